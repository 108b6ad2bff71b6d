<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>quarvex::AboutWindow</name>
    <message>
        <source>A simple and free utility to calculate results in various areas useful in healthcare. The formulas and interpretation thresholds follow standard clinical chemistry references.<byte value="xd"/><byte value="xd"/>Comments and suggestions are welcome: please write to feedback@quarvex.example.</source>
        <translation>Ein einfaches, freies Hilfsprogramm, das Ergebnisse aus verschiedenen Bereichen des Gesundheitswesens berechnet. Die Formeln und Bewertungsgrenzen folgen den üblichen Referenzwerken der klinischen Chemie.<byte value="xd"/><byte value="xd"/>Anmerkungen und Vorschläge sind willkommen: bitte an feedback@quarvex.example schreiben.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Quarvex icon</source>
        <translation>Quarvex-Symbol</translation>
    </message>
    <message>
        <source>Warning: this program is meant for education and personal use. Its results must not be used for clinical decisions.</source>
        <translation>Warnung: Dieses Programm ist für Lehre und persönlichen Gebrauch bestimmt. Seine Ergebnisse dürfen nicht für klinische Entscheidungen verwendet werden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen …</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>quarvex::Analyte</name>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Gewicht:</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <source>Serum creatinine</source>
        <translation>Serum-Kreatinin</translation>
    </message>
    <message>
        <source>Creatinine:</source>
        <translation>Kreatinin:</translation>
    </message>
    <message>
        <source>Urine creatinine</source>
        <translation>Urin-Kreatinin</translation>
    </message>
    <message>
        <source>Serum sodium</source>
        <translation>Serum-Natrium</translation>
    </message>
    <message>
        <source>Sodium:</source>
        <translation>Natrium:</translation>
    </message>
    <message>
        <source>Urine sodium</source>
        <translation>Urin-Natrium</translation>
    </message>
    <message>
        <source>Serum potassium</source>
        <translation>Serum-Kalium</translation>
    </message>
    <message>
        <source>Potassium:</source>
        <translation>Kalium:</translation>
    </message>
    <message>
        <source>Urine potassium</source>
        <translation>Urin-Kalium</translation>
    </message>
    <message>
        <source>Serum calcium</source>
        <translation>Serum-Calcium</translation>
    </message>
    <message>
        <source>Calcium:</source>
        <translation>Calcium:</translation>
    </message>
    <message>
        <source>Urine calcium</source>
        <translation>Urin-Calcium</translation>
    </message>
    <message>
        <source>Serum phosphorus</source>
        <translation>Serum-Phosphat</translation>
    </message>
    <message>
        <source>Phosphorus:</source>
        <translation>Phosphat:</translation>
    </message>
    <message>
        <source>Urine phosphorus</source>
        <translation>Urin-Phosphat</translation>
    </message>
    <message>
        <source>Serum urea</source>
        <translation>Serum-Harnstoff</translation>
    </message>
    <message>
        <source>Urea:</source>
        <translation>Harnstoff:</translation>
    </message>
    <message>
        <source>Urine urea</source>
        <translation>Urin-Harnstoff</translation>
    </message>
    <message>
        <source>Serum urate</source>
        <translation>Serum-Harnsäure</translation>
    </message>
    <message>
        <source>Urate:</source>
        <translation>Harnsäure:</translation>
    </message>
    <message>
        <source>Urine urate</source>
        <translation>Urin-Harnsäure</translation>
    </message>
    <message>
        <source>Serum amylase</source>
        <translation>Serum-Amylase</translation>
    </message>
    <message>
        <source>Amylase:</source>
        <translation>Amylase:</translation>
    </message>
    <message>
        <source>Urine amylase</source>
        <translation>Urin-Amylase</translation>
    </message>
    <message>
        <source>Urine protein</source>
        <translation>Urin-Protein</translation>
    </message>
    <message>
        <source>Protein:</source>
        <translation>Protein:</translation>
    </message>
    <message>
        <source>Urine volume</source>
        <translation>Urinvolumen</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volumen:</translation>
    </message>
    <message>
        <source>Total cholesterol</source>
        <translation>Gesamtcholesterin</translation>
    </message>
    <message>
        <source>Total Cholesterol:</source>
        <translation>Gesamtcholesterin:</translation>
    </message>
    <message>
        <source>Cholesterol:</source>
        <translation>Cholesterin:</translation>
    </message>
    <message>
        <source>HDL cholesterol</source>
        <translation>HDL-Cholesterin</translation>
    </message>
    <message>
        <source>HDL Cholesterol:</source>
        <translation>HDL-Cholesterin:</translation>
    </message>
    <message>
        <source>HDL:</source>
        <translation>HDL:</translation>
    </message>
    <message>
        <source>LDL cholesterol</source>
        <translation>LDL-Cholesterin</translation>
    </message>
    <message>
        <source>LDL Cholesterol: </source>
        <translation>LDL-Cholesterin: </translation>
    </message>
    <message>
        <source>LDL: </source>
        <translation>LDL: </translation>
    </message>
    <message>
        <source>Triglycerides</source>
        <translation>Triglyceride</translation>
    </message>
    <message>
        <source>Triglycerides:</source>
        <translation>Triglyceride:</translation>
    </message>
    <message>
        <source>AST</source>
        <translation>AST</translation>
    </message>
    <message>
        <source>AST:</source>
        <translation>AST:</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>ALT:</source>
        <translation>ALT:</translation>
    </message>
    <message>
        <source>Direct bilirubin</source>
        <translation>Direktes Bilirubin</translation>
    </message>
    <message>
        <source>Bilirubin direct:</source>
        <translation>Bilirubin direkt:</translation>
    </message>
    <message>
        <source>Total bilirubin</source>
        <translation>Gesamtbilirubin</translation>
    </message>
    <message>
        <source>Bilirubin total:</source>
        <translation>Bilirubin gesamt:</translation>
    </message>
    <message>
        <source>Albumin</source>
        <translation>Albumin</translation>
    </message>
    <message>
        <source>Albumin:</source>
        <translation>Albumin:</translation>
    </message>
    <message>
        <source>Globulin</source>
        <translation>Globulin</translation>
    </message>
    <message>
        <source>Globulin:</source>
        <translation>Globulin:</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Iron:</source>
        <translation>Eisen:</translation>
    </message>
    <message>
        <source>TIBC</source>
        <translation>TEBK</translation>
    </message>
    <message>
        <source>TIBC:</source>
        <translation>TEBK:</translation>
    </message>
    <message>
        <source>Ferritin</source>
        <translation>Ferritin</translation>
    </message>
    <message>
        <source>Ferritin:</source>
        <translation>Ferritin:</translation>
    </message>
    <message>
        <source>Transferrin</source>
        <translation>Transferrin</translation>
    </message>
    <message>
        <source>Transferrin:</source>
        <translation>Transferrin:</translation>
    </message>
    <message>
        <source>%1 unit</source>
        <extracomment>The name of an analyte&apos;s unit list, for screen readers: &quot;Serum creatinine unit&quot;.</extracomment>
        <translation>%1, Einheit</translation>
    </message>
</context>
<context>
    <name>quarvex::AnalyteForm</name>
    <message>
        <source>%1, Male or Female</source>
        <translation>%1: Männlich oder Weiblich</translation>
    </message>
    <message>
        <source>%1, in years</source>
        <translation>%1, in Jahren</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <translation>%1, in %2</translation>
    </message>
    <message>
        <source>%1, in the unit picked beside it</source>
        <translation>%1, in der daneben gewählten Einheit</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
</context>
<context>
    <name>quarvex::BandPicture</name>
    <message>
        <source>No value to place on the bands.</source>
        <translation>Kein Wert, der auf den Bereichen einzutragen wäre.</translation>
    </message>
    <message>
        <source>%1 has no bands to lie in.</source>
        <translation>Für %1 gibt es keine Bereiche.</translation>
    </message>
    <message>
        <source>%1 lies in no band.</source>
        <translation>%1 liegt in keinem Bereich.</translation>
    </message>
    <message>
        <source>%1 (beyond the left end of the picture)</source>
        <translation>%1 (jenseits des linken Bildrands)</translation>
    </message>
    <message>
        <source>%1 (beyond the right end of the picture)</source>
        <translation>%1 (jenseits des rechten Bildrands)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A band&apos;s letter and its range: &quot;A, below 200 mg/dL&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1. Bands from left to right: %2.</source>
        <extracomment>%1 is the sentence on the value&apos;s band, %2 the bands, separated by &quot;; &quot;.</extracomment>
        <translation>%1. Bereiche von links nach rechts: %2.</translation>
    </message>
    <message>
        <source>Band picture</source>
        <translation>Bereichsbild</translation>
    </message>
    <message>
        <source>Band picture: %1</source>
        <translation>Bereichsbild: %1</translation>
    </message>
</context>
<context>
    <name>quarvex::Batch</name>
    <message>
        <source>%1 cases, %2 cases/s</source>
        <translation>%1 Fälle, %2 Fälle/s</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <extracomment>The progress of a batch run and the time left (&quot;1200 cases, 400 cases/s, 0:07 left&quot;).</extracomment>
        <translation>%1, noch %2</translation>
    </message>
    <message>
        <source>The device refused a write.</source>
        <translation>Das Gerät hat das Schreiben verweigert.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>line %1: unknown column %2</source>
        <translation>Zeile %1: unbekannte Spalte %2</translation>
    </message>
    <message>
        <source>line %1: unknown columns %2</source>
        <translation>Zeile %1: unbekannte Spalten %2</translation>
    </message>
    <message>
        <source>line %1: repeated column %2</source>
        <translation>Zeile %1: doppelte Spalte %2</translation>
    </message>
    <message>
        <source>line %1: repeated columns %2</source>
        <translation>Zeile %1: doppelte Spalten %2</translation>
    </message>
</context>
<context>
    <name>quarvex::CalculatorScreen</name>
    <message>
        <source>Clinical scenarios</source>
        <translation>Klinische Szenarien</translation>
    </message>
    <message>
        <source>Example Case</source>
        <translation>Beispielfall</translation>
    </message>
    <message>
        <source>Fill the fields with a patient of a clinical scenario</source>
        <translation>Die Felder mit einem Patienten eines klinischen Szenarios füllen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace the values typed with an example case?</source>
        <translation>Die eingegebenen Werte durch einen Beispielfall ersetzen?</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles leeren</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Rechenweg</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Error count</source>
        <translation>Anzahl der Fehler</translation>
    </message>
    <message>
        <source>Values to check</source>
        <translation>Zu prüfende Werte</translation>
    </message>
    <message>
        <source>Notes on the result</source>
        <translation>Hinweise zum Ergebnis</translation>
    </message>
    <message>
        <source>Press Calculate first.</source>
        <translation>Zuerst auf Berechnen klicken.</translation>
    </message>
    <message>
        <source>Check: %1</source>
        <translation>Prüfen: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A note&apos;s tag (&quot;Dated&quot;) and its sentence, in a tooltip.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <extracomment>A note&apos;s label and sentence, for a screen reader.</extracomment>
        <translation>Hinweis: %1</translation>
    </message>
</context>
<context>
    <name>quarvex::CaseFile</name>
    <message>
        <source>not UTF-8 text</source>
        <translation>kein UTF-8-Text</translation>
    </message>
    <message>
        <source>%1 was already given</source>
        <extracomment>A line name of the case file (&quot;Locale&quot;), not translated.</extracomment>
        <translation>%1 wurde schon angegeben</translation>
    </message>
    <message>
        <source>unknown locale %1</source>
        <translation>unbekanntes Zahlenformat %1</translation>
    </message>
    <message>
        <source>expected Name=text, found %1</source>
        <extracomment>&quot;Name=text&quot; shows the form of a line; it stays as it is.</extracomment>
        <translation>erwartet Name=text, gefunden %1</translation>
    </message>
    <message>
        <source>unknown field name %1</source>
        <translation>unbekannter Feldname %1</translation>
    </message>
    <message>
        <source>%1 was already given on line %2</source>
        <extracomment>A field name (&quot;SerumCreatinine&quot;), not translated, and a line number.</extracomment>
        <translation>%1 wurde schon in Zeile %2 angegeben</translation>
    </message>
    <message>
        <source>the input is larger than %1 bytes (1 MiB)</source>
        <translation>die Eingabe ist größer als %1 Bytes (1 MiB)</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>die Zeile ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>is a folder, not a case file</source>
        <extracomment>Follows the file&apos;s path.</extracomment>
        <translation>ist ein Ordner, keine Falldatei</translation>
    </message>
    <message>
        <source>is not a regular file (a device or a pipe), not a case file</source>
        <translation>ist keine gewöhnliche Datei (ein Gerät oder eine Pipe), keine Falldatei</translation>
    </message>
    <message>
        <source>is larger than %1 KiB, too large for a case file</source>
        <translation>ist größer als %1 KiB, zu groß für eine Falldatei</translation>
    </message>
</context>
<context>
    <name>quarvex::Catalogue</name>
    <message>
        <source>Cholesterol and Coronary Heart Disease</source>
        <translation>Cholesterin und koronare Herzkrankheit</translation>
    </message>
    <message>
        <source>Liver Functions</source>
        <translation>Leberfunktion</translation>
    </message>
    <message>
        <source>Renal &amp; Urinary System</source>
        <translation>Niere und Harnwege</translation>
    </message>
    <message>
        <source>Cholesterol Level Interpretation</source>
        <translation>Bewertung der Cholesterinwerte</translation>
    </message>
    <message>
        <source>Total cholesterol, LDL cholesterol, and HDL cholesterol levels are correlated with risk of coronary artery disease. Patients with ischemic heart disease can reduce their risk by changes in the serum levels of these lipids.</source>
        <translation>Gesamtcholesterin, LDL-Cholesterin und HDL-Cholesterin hängen mit dem Risiko einer koronaren Herzkrankheit zusammen. Patienten mit ischämischer Herzkrankheit können ihr Risiko durch Änderung der Serumspiegel dieser Lipide senken.</translation>
    </message>
    <message>
        <source>Total Cholesterol-to-HDL Cholesterol Ratio</source>
        <translation>Quotient Gesamtcholesterin/HDL-Cholesterin</translation>
    </message>
    <message>
        <source>The total cholesterol-to-HDL cholesterol ratio can be used to assess the risk of coronary artery disease as compared to that of &apos;Average Americans&apos;.</source>
        <translation>Mit dem Quotienten Gesamtcholesterin/HDL-Cholesterin lässt sich das Risiko einer koronaren Herzkrankheit im Vergleich zu dem von &apos;Durchschnittsamerikanern&apos; abschätzen.</translation>
    </message>
    <message>
        <source>LDL Cholesterol-to-HDL Cholesterol Ratio</source>
        <translation>Quotient LDL-/HDL-Cholesterin</translation>
    </message>
    <message>
        <source>The ratio of LDL cholesterol to HDL cholesterol can be used to assess a risk for coronary vascular disease.</source>
        <translation>Mit dem Quotienten aus LDL- und HDL-Cholesterin lässt sich ein Risiko für Erkrankungen der Herzkranzgefäße abschätzen.</translation>
    </message>
    <message>
        <source>NCEP Adult Treatment Panel III Classification of Serum Lipids</source>
        <translation>Einteilung der Serumlipide nach NCEP Adult Treatment Panel III</translation>
    </message>
    <message>
        <source>The Adult Treatment Panel III (ATP III) of the National Cholesterol Eduction Program (NCEP) revised the interpretation of serum lipid values and provided goals for LDL cholesterol based on the number of risk factors for coronary heart disease (CHD).</source>
        <translation>Das Adult Treatment Panel III (ATP III) des National Cholesterol Education Program (NCEP) hat die Bewertung der Serumlipide überarbeitet und Zielwerte für das LDL-Cholesterin nach der Zahl der Risikofaktoren für eine koronare Herzkrankheit (KHK) festgelegt.</translation>
    </message>
    <message>
        <source>Adult Treatment Panel III Classification</source>
        <translation>Einteilung nach Adult Treatment Panel III</translation>
    </message>
    <message>
        <source>Non-HDL Cholesterol</source>
        <translation>Non-HDL-Cholesterin</translation>
    </message>
    <message>
        <source>Non-HDL cholesterol is total cholesterol less HDL cholesterol: the cholesterol of every lipoprotein but HDL. It complements the LDL classes, needs no triglycerides, and is classed by the National Lipid Association (2014) from below 130 mg/dL (desirable) to 220 mg/dL or more (very high).</source>
        <translation>Non-HDL-Cholesterin ist Gesamtcholesterin minus HDL-Cholesterin: das Cholesterin aller Lipoproteine außer HDL. Es ergänzt die LDL-Klassen, braucht keine Triglyceride und wird von der National Lipid Association (2014) von unter 130 mg/dL (wünschenswert) bis 220 mg/dL oder mehr (sehr hoch) eingeteilt.</translation>
    </message>
    <message>
        <source>LDL Cholesterol (Friedewald)</source>
        <translation>LDL-Cholesterin (Friedewald)</translation>
    </message>
    <message>
        <source>Calculates LDL cholesterol from total cholesterol, HDL cholesterol and triglycerides as most laboratories do, by the estimate of Friedewald, Levy and Fredrickson (1972): TC - HDL - TG/5 in mg/dL, not valid above 400 mg/dL of triglycerides. Classed by ATP III; the Worked Steps compare it with Sampson&apos;s equation, and the overview&apos;s with a typed LDL.</source>
        <translation>Berechnet das LDL-Cholesterin wie die meisten Labore aus Gesamtcholesterin, HDL-Cholesterin und Triglyceriden, mit der Schätzung von Friedewald, Levy und Fredrickson (1972): TC - HDL - TG/5 in mg/dL, nicht gültig über 400 mg/dL Triglyceride. Eingeteilt nach ATP III; der Rechenweg vergleicht es mit der Gleichung von Sampson, der Rechenweg der Übersicht mit einem eingegebenen LDL.</translation>
    </message>
    <message>
        <source>LDL Cholesterol (Sampson)</source>
        <translation>LDL-Cholesterin (Sampson)</translation>
    </message>
    <message>
        <source>Calculates LDL cholesterol by the equation of Sampson and colleagues (2020), which replaces Friedewald&apos;s estimate where triglycerides are high: it holds up to 800 mg/dL of triglycerides. Classed by ATP III; the Worked Steps compare it with Friedewald&apos;s estimate, and the overview&apos;s with a typed LDL.</source>
        <translation>Berechnet das LDL-Cholesterin mit der Gleichung von Sampson und Kollegen (2020), die die Schätzung nach Friedewald bei hohen Triglyceriden ersetzt: Sie gilt bis 800 mg/dL Triglyceride. Eingeteilt nach ATP III; der Rechenweg vergleicht es mit der Schätzung nach Friedewald, der Rechenweg der Übersicht mit einem eingegebenen LDL.</translation>
    </message>
    <message>
        <source>AST-to-ALT (SGOT-to-SGPT) Ratio</source>
        <translation>Quotient AST/ALT (GOT/GPT, De-Ritis-Quotient)</translation>
    </message>
    <message>
        <source>The ratio of the aminotransferases correlates with the etiology of liver disease.</source>
        <translation>Der Quotient der Aminotransferasen hängt mit der Ursache einer Lebererkrankung zusammen.</translation>
    </message>
    <message>
        <source>Serum Albumin-to-Globulin Ratio</source>
        <translation>Quotient Albumin/Globulin im Serum</translation>
    </message>
    <message>
        <source>The ratio of albumin to globulin can help identify disorders of serum proteins.</source>
        <translation>Der Quotient aus Albumin und Globulin kann helfen, Störungen der Serumproteine zu erkennen.</translation>
    </message>
    <message>
        <source>Serum Direct -to- Total Bilirubin Ratio</source>
        <translation>Quotient direktes/Gesamtbilirubin im Serum</translation>
    </message>
    <message>
        <source>The ratio of direct to total serum bilirubin can help in predicting the cause of jaundice. The total serum bilirubin must exceed 2.5 mg/dl to produce clinical jaundice.</source>
        <translation>Der Quotient aus direktem und Gesamtbilirubin im Serum kann helfen, die Ursache eines Ikterus vorherzusagen. Erst ab einem Gesamtbilirubin über 2,5 mg/dl tritt ein klinischer Ikterus auf.</translation>
    </message>
    <message>
        <source>Serum Ferritin and Estimate of Body Iron Stores</source>
        <translation>Serumferritin und Schätzung der Körpereisenspeicher</translation>
    </message>
    <message>
        <source>Ferritin consists of a protein shell (apoferritin) surrounding variable amounts of iron complexed as ferric hydroxide-phosphate. Ferritin present in the serum contains approximately 20-25% iron. Serum ferritin concentrations in normal individuals and iron deficient patients correlate well with total body iron stores.</source>
        <translation>Ferritin besteht aus einer Proteinhülle (Apoferritin), die wechselnde Mengen Eisen umschließt, komplexiert als Eisen(III)-hydroxid-phosphat. Ferritin im Serum enthält etwa 20-25 % Eisen. Die Serumferritinkonzentration von Gesunden und von Patienten mit Eisenmangel korreliert gut mit den gesamten Körpereisenspeichern.</translation>
    </message>
    <message>
        <source>Serum Ferritin and Estimate of Iron Stores</source>
        <translation>Serumferritin und Schätzung der Eisenspeicher</translation>
    </message>
    <message>
        <source>Serum Transferrin Saturation</source>
        <translation>Transferrinsättigung im Serum</translation>
    </message>
    <message>
        <source>Serum transferrin is a transport protein for serum iron. The degree of its saturation by iron varies with different disorders involving iron.</source>
        <translation>Serumtransferrin ist ein Transportprotein für das Serumeisen. Wie stark es mit Eisen gesättigt ist, ändert sich bei verschiedenen Störungen des Eisenstoffwechsels.</translation>
    </message>
    <message>
        <source>Total Iron Binding Capacity (TIBC) Calculated</source>
        <translation>Totale Eisenbindungskapazität (TEBK), berechnet</translation>
    </message>
    <message>
        <source>Calculates the Total Iron Binding Capacity (TIBC) from serum transferrin.</source>
        <translation>Berechnet die totale Eisenbindungskapazität (TEBK) aus dem Serumtransferrin.</translation>
    </message>
    <message>
        <source>Total Iron Binding Capacity (TIBC)</source>
        <translation>Totale Eisenbindungskapazität (TEBK)</translation>
    </message>
    <message>
        <source>Transferrin Calculated</source>
        <translation>Transferrin, berechnet</translation>
    </message>
    <message>
        <source>Serum transferrin is a transport protein for serum iron.</source>
        <translation>Serumtransferrin ist ein Transportprotein für das Serumeisen.</translation>
    </message>
    <message>
        <source>Transferrin</source>
        <translation>Transferrin</translation>
    </message>
    <message>
        <source>Amylase Clearance to Creatinine Clearance</source>
        <translation>Amylase-Clearance zu Kreatinin-Clearance</translation>
    </message>
    <message>
        <source>The amylase-creatinine clearance may be calculated if random simultaneously collected serum and urine samples are analyzed for both creatinine and amylase. May be used to diagnose acute pancreatitis as well as the effect of burns, diabetic ketoacidosis, acute defects in renal tubular function, severe renal insufficiency, dudodenal perforation, and pancreatic cancer.</source>
        <translation>Der Amylase-Kreatinin-Clearance-Quotient lässt sich berechnen, wenn in gleichzeitig gewonnenen Serum- und Urin-Spontanproben Kreatinin und Amylase bestimmt werden. Er kann zur Diagnose einer akuten Pankreatitis dienen und ebenso die Wirkung von Verbrennungen, diabetischer Ketoazidose, akuten Störungen der Nierentubulusfunktion, schwerer Niereninsuffizienz, Duodenalperforation und Pankreaskarzinom zeigen.</translation>
    </message>
    <message>
        <source>Creatinine Clearance Estimated</source>
        <translation>Kreatinin-Clearance, geschätzt</translation>
    </message>
    <message>
        <source>Estimation of creatinine clearance based on age, body weight, and serum creatinine levels. Uses the method of Cockcroft and Gault (1976).</source>
        <translation>Schätzung der Kreatinin-Clearance aus Alter, Körpergewicht und Serum-Kreatinin. Verwendet die Methode von Cockcroft und Gault (1976).</translation>
    </message>
    <message>
        <source>Fractional Potassium Excretion</source>
        <translation>Fraktionelle Kaliumausscheidung</translation>
    </message>
    <message>
        <source>The fractional excretion of potassium normalizes urinary potassium excretion rate for the glomerular filtration rate.</source>
        <translation>Die fraktionelle Kaliumausscheidung bezieht die Kaliumausscheidungsrate im Urin auf die glomeruläre Filtrationsrate.</translation>
    </message>
    <message>
        <source>Fractional Sodium Excretion</source>
        <translation>Fraktionelle Natriumausscheidung</translation>
    </message>
    <message>
        <source>The fractional sodium excretion is an index of renal ability to conserve sodium and represents the percent of filtered sodium to reach the urine.</source>
        <translation>Die fraktionelle Natriumausscheidung ist ein Maß für die Fähigkeit der Niere, Natrium zurückzuhalten, und gibt den Prozentsatz des filtrierten Natriums an, der in den Urin gelangt.</translation>
    </message>
    <message>
        <source>Glomerular Filtration Rate (GFR)</source>
        <translation>Glomeruläre Filtrationsrate (GFR)</translation>
    </message>
    <message>
        <source>The glomerular filtration rate (GFR) reflects the amount of plasma filtered each minute. A decrease in GFR reflects deterioration of renal function.</source>
        <translation>Die glomeruläre Filtrationsrate (GFR) gibt die Plasmamenge an, die pro Minute filtriert wird. Eine sinkende GFR zeigt eine Verschlechterung der Nierenfunktion an.</translation>
    </message>
    <message>
        <source>Phosphorus Clearance Estimated</source>
        <translation>Phosphat-Clearance, geschätzt</translation>
    </message>
    <message>
        <source>The renal phosphorus clearance is analogous to the creatinine clearance except that serum and urine phosphorus levels are used in place of the corresponding creatinine values.</source>
        <translation>Die renale Phosphat-Clearance entspricht der Kreatinin-Clearance, nur dass an Stelle der Kreatininwerte die Phosphatwerte in Serum und Urin verwendet werden.</translation>
    </message>
    <message>
        <source>Renal Calcium Clearance to Creatinine Clearance</source>
        <translation>Renale Calcium-Clearance zu Kreatinin-Clearance</translation>
    </message>
    <message>
        <source>The ratio of renal calcium clearance to creatinine clearance can be useful in diagnosing some patients with hypercalcemia.</source>
        <translation>Der Quotient aus renaler Calcium-Clearance und Kreatinin-Clearance kann bei der Diagnose mancher Patienten mit Hyperkalzämie helfen.</translation>
    </message>
    <message>
        <source>Renal Calcium to Creatinine Clearance</source>
        <translation>Renale Calcium- zu Kreatinin-Clearance</translation>
    </message>
    <message>
        <source>Renal Failure Index (RFI)</source>
        <translation>Renal Failure Index (RFI)</translation>
    </message>
    <message>
        <source>The renal failure index measures sodium conservation and concentrating ability. It is chiefly of use in oliguric patients for the early differentiation of prerenal azotemia from acute tubular necrosis.</source>
        <translation>Der Renal Failure Index misst Natriumrückhaltung und Konzentrationsfähigkeit der Niere. Er dient vor allem bei oligurischen Patienten dazu, eine prärenale Azotämie früh von einer akuten Tubulusnekrose zu unterscheiden.</translation>
    </message>
    <message>
        <source>Urea Nitrogen and Creatinine Ratios</source>
        <translation>Quotienten von Harnstoff-Stickstoff und Kreatinin</translation>
    </message>
    <message>
        <source>A group of three tests for determining renal function. Includes a serum BUN to Serum Creatinine Ratio, Urine Creatinine to Serum Creatinine Ratio, and Urine Urea Nitrogen to Serum Urea Nitrogen Ratio.</source>
        <translation>Eine Gruppe von drei Tests der Nierenfunktion: Quotient Serum-Harnstoff-Stickstoff (BUN)/Serum-Kreatinin, Quotient Urin-Kreatinin/Serum-Kreatinin und Quotient Urin-Harnstoff-Stickstoff/Serum-Harnstoff-Stickstoff.</translation>
    </message>
    <message>
        <source>Uric Acid-to-Creatinine Ratio</source>
        <translation>Quotient Harnsäure/Kreatinin</translation>
    </message>
    <message>
        <source>The ratio of uric acid to creatinine can help distinguish patients with acute renal failure due to hyperuricemia from patients with renal failure due to other causes.</source>
        <translation>Der Quotient aus Harnsäure und Kreatinin kann helfen, ein akutes Nierenversagen durch Hyperurikämie von einem Nierenversagen anderer Ursache zu unterscheiden.</translation>
    </message>
    <message>
        <source>Urinary Potassium Excretion Rate</source>
        <translation>Kaliumausscheidungsrate im Urin</translation>
    </message>
    <message>
        <source>Measurement of the urinary potassium excretion rate in a timed specimen can be used to distinguish renal from nonrenal cause of hypokalemia.</source>
        <translation>Die Kaliumausscheidungsrate in einer zeitlich definierten Urinsammlung hilft, renale von nicht-renalen Ursachen einer Hypokaliämie zu unterscheiden.</translation>
    </message>
    <message>
        <source>Urine Protein to Urine Creatinine Ratio</source>
        <translation>Quotient Urin-Protein/Urin-Kreatinin</translation>
    </message>
    <message>
        <source>The ratio of urine protein to urine creatinine ratio reliably detects significant proteinuria and is useful in assessing patients with proteinuria.</source>
        <translation>Der Quotient aus Urin-Protein und Urin-Kreatinin erkennt eine relevante Proteinurie zuverlässig und hilft bei der Beurteilung von Patienten mit Proteinurie.</translation>
    </message>
    <message>
        <source>eGFR (CKD-EPI 2021)</source>
        <translation>eGFR (CKD-EPI 2021)</translation>
    </message>
    <message>
        <source>Estimates the glomerular filtration rate, normalised to 1.73 m2 of body surface, from age, gender and serum creatinine by the race-free CKD-EPI equation of Inker and colleagues (2021), the eGFR that laboratories report today, and gives its KDIGO 2012 category G1 to G5. It stands beside the Cockcroft and Gault creatinine clearance (1976), which is in mL/min and still used for drug dosing. For adults.</source>
        <translation>Schätzt die glomeruläre Filtrationsrate, bezogen auf 1,73 m2 Körperoberfläche, aus Alter, Geschlecht und Serum-Kreatinin mit der CKD-EPI-Gleichung ohne Ethnie-Faktor von Inker und Kollegen (2021), der eGFR, die Labore heute berichten, und gibt ihre KDIGO-Kategorie 2012 (G1 bis G5) an. Sie steht neben der Kreatinin-Clearance nach Cockcroft und Gault (1976), die in mL/min angegeben und weiterhin zur Arzneimitteldosierung verwendet wird. Für Erwachsene.</translation>
    </message>
    <message>
        <source>Proteinuria Category (KDIGO)</source>
        <translation>Proteinurie-Kategorie (KDIGO)</translation>
    </message>
    <message>
        <source>Gives the urine protein to creatinine ratio in mg/g and its KDIGO 2012 category: A1 below 150, A2 150 to 500, A3 above 500 mg/g. It complements the ratio in mg/mg, whose older bands KDIGO does not use.</source>
        <translation>Gibt den Quotienten Urin-Protein/Kreatinin in mg/g und seine KDIGO-Kategorie 2012 an: A1 unter 150, A2 150 bis 500, A3 über 500 mg/g. Er ergänzt den Quotienten in mg/mg, dessen ältere Bereiche KDIGO nicht verwendet.</translation>
    </message>
    <message>
        <source>Fractional Urea Excretion</source>
        <translation>Fraktionelle Harnstoffausscheidung</translation>
    </message>
    <message>
        <source>The fractional urea excretion is the percent of filtered urea that reaches the urine. Like the fractional sodium excretion it separates prerenal from intrinsic acute kidney injury, and it keeps its meaning in patients on diuretics (Carvounis and colleagues, 2002): 35 % or less suggests a prerenal cause.</source>
        <translation>Die fraktionelle Harnstoffausscheidung ist der Prozentsatz des filtrierten Harnstoffs, der in den Urin gelangt. Wie die fraktionelle Natriumausscheidung unterscheidet sie eine prärenale von einer intrinsischen akuten Nierenschädigung und behält ihre Aussage auch unter Diuretika (Carvounis und Kollegen, 2002): 35 % oder weniger sprechen für eine prärenale Ursache.</translation>
    </message>
</context>
<context>
    <name>quarvex::ClassGradeModel</name>
    <message>
        <source>Student</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Total (%)</source>
        <translation>Gesamt (%)</translation>
    </message>
</context>
<context>
    <name>quarvex::ClassGradeWindow</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save Gradebook</source>
        <translation>Notenliste speichern</translation>
    </message>
    <message>
        <source>Class Grades</source>
        <translation>Bewertung der Klasse</translation>
    </message>
    <message>
        <source>Graded %1. Students: %2.</source>
        <translation>%1 bewertet. Studierende: %2.</translation>
    </message>
    <message>
        <source>Class file</source>
        <translation>Klassendatei</translation>
    </message>
    <message>
        <source>Grades per student</source>
        <translation>Bewertung je Studierendem</translation>
    </message>
    <message>
        <source>&amp;Grades:</source>
        <translation>&amp;Bewertungen:</translation>
    </message>
    <message>
        <source>Exercises graded: %1; mean score %2.</source>
        <translation>Bewertete Aufgaben: %1; mittlere Punktzahl %2.</translation>
    </message>
    <message>
        <source>Rows with neither a student nor an answer, left out: %1.</source>
        <translation>Zeilen ohne Studierende und ohne Antwort, ausgelassen: %1.</translation>
    </message>
    <message>
        <source>%1 (students: %2)</source>
        <translation>%1 (Studierende: %2)</translation>
    </message>
    <message>
        <source>No slips named.</source>
        <translation>Keine Fehler benannt.</translation>
    </message>
    <message>
        <source>Slips: %1.</source>
        <translation>Fehler: %1.</translation>
    </message>
    <message>
        <source>Right, %1:</source>
        <translation>Richtig, %1:</translation>
    </message>
    <message>
        <source>%1 %2 of %3 (%4 %)</source>
        <translation>%1 %2 von %3 (%4 %)</translation>
    </message>
    <message>
        <source>Slips and steps right</source>
        <translation>Fehler und richtige Schritte</translation>
    </message>
    <message>
        <source>S&amp;lips and steps right:</source>
        <translation>&amp;Fehler und richtige Schritte:</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>&amp;Problems: none.</source>
        <translation>&amp;Probleme: keine.</translation>
    </message>
    <message>
        <source>&amp;Problems (lines skipped are not graded): %1</source>
        <translation>&amp;Probleme (übersprungene Zeilen sind nicht bewertet): %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Save gradebook…</source>
        <translation>Notenliste &amp;speichern …</translation>
    </message>
    <message>
        <source>Save gradebook</source>
        <translation>Notenliste speichern</translation>
    </message>
    <message>
        <source>Saves a row per student as CSV, to import into a learning platform&apos;s grades</source>
        <translation>Speichert eine Zeile je Studierendem als CSV zum Import in die Bewertungen einer Lernplattform</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 could not be saved.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>%1 konnte nicht gespeichert werden.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Saved the gradebook (students: %1) to %2.</source>
        <translation>Notenliste (Studierende: %1) in %2 gespeichert.</translation>
    </message>
</context>
<context>
    <name>quarvex::Cli</name>
    <message>
        <source>Batch mode: quarvex-cli --batch [-o PATH] [--json [--full]] [--locale NAME]
                        [--threads N] [--] [FILE]

Evaluates many cases from one CSV file (RFC 4180; UTF-8, with or without a
byte order mark). Its header row names the columns: the field names below,
and optionally Case, an identifier for each case. The delimiter, comma,
semicolon or tab, is taken from the header row. Each further row is one
case. The output is CSV with the same delimiter: Case (the identifier, or
the data row&apos;s number from 1), a result and an interpretation column for
every row of the results grid, then findings (why items could not be
computed) and hints. Numbers are read and written in the C locale (1.5)
unless --locale names another (--locale de_DE reads and writes 1,5).
Unit and Gender cells lose blanks and tabs at their end, as above.
  --json       write JSON Lines instead: for each case one line with what
               belongs to the case alone, in the order of --items-json:
               {&quot;case&quot;, &quot;inputs&quot;: [[text, unit, value] or null],
               &quot;findings&quot;: [[item, field, kind, text]], &quot;hints&quot;:
               [[field, text]], &quot;rows&quot;: [[result, value, band] or
               null], &quot;notes&quot;: [[row, note id, argument...]]}; unit,
               item, field, band, row and note id refer to --items-json,
               which holds the texts every case shares (see docs/guide.md)
  --full       with --json: every text written out, lines that stand
               alone: inputs and rows by name, interpretations,
               substituted formulas, reference intervals and notes
  --threads N  evaluate on N threads (default: one per core)
A row with the wrong number of fields, a misplaced quote or a cell that is
not UTF-8 is reported with its line and skipped, and so is a last row
without its line end (the input may have been cut inside it) unless a
closing quote ends it, and so is a record of over 1 MB; a quote left open
is reported with the line where it opened and ends the input. Each gives
exit status 3; the other cases are written. An empty input has no header
row: exit status 2.
</source>
        <translation>Stapelbetrieb: quarvex-cli --batch [-o PFAD] [--json [--full]] [--locale NAME]
                           [--threads N] [--] [DATEI]

Wertet viele Fälle aus einer CSV-Datei aus (RFC 4180; UTF-8, mit oder ohne
Byte-Order-Mark). Ihre Kopfzeile benennt die Spalten: die Feldnamen unten und
wahlweise Case, eine Kennung je Fall. Das Trennzeichen, Komma, Semikolon oder
Tabulator, wird der Kopfzeile entnommen. Jede weitere Zeile ist ein Fall. Die
Ausgabe ist CSV mit demselben Trennzeichen: Case (die Kennung oder die Nummer
der Datenzeile ab 1), je eine Ergebnis- und eine Bewertungsspalte für jede
Zeile der Ergebnistabelle, dann Befunde (warum Tests nicht berechnet werden
konnten) und Hinweise. Zahlen werden im Gebietsschema C gelesen und
geschrieben (1.5), wenn --locale kein anderes nennt (--locale de_DE liest und
schreibt 1,5). Einheiten- und Gender-Zellen verlieren Leerzeichen und
Tabulatoren am Ende, wie oben.
  --json       stattdessen JSON Lines schreiben: je Fall eine Zeile mit dem,
               was nur zum Fall gehört, in der Reihenfolge von --items-json:
               {&quot;case&quot;, &quot;inputs&quot;: [[text, unit, value] or null],
               &quot;findings&quot;: [[item, field, kind, text]], &quot;hints&quot;:
               [[field, text]], &quot;rows&quot;: [[result, value, band] or
               null], &quot;notes&quot;: [[row, note id, argument...]]}; unit,
               item, field, band, row und note id verweisen auf --items-json,
               das die Texte enthält, die alle Fälle teilen (siehe
               docs/guide.md)
  --full       mit --json: jeder Text ausgeschrieben, Zeilen, die für sich
               stehen: Eingaben und Zeilen mit Namen, Bewertungen, eingesetzte
               Formeln, Referenzbereiche und Hinweise
  --threads N  auf N Threads auswerten (Vorgabe: einer je Kern)
Eine Zeile mit falscher Feldzahl, einem falsch gesetzten Anführungszeichen oder
einer Zelle, die kein UTF-8 ist, wird mit ihrer Zeile gemeldet und
übersprungen, ebenso eine letzte Zeile ohne Zeilenende (die Eingabe kann darin
abgeschnitten sein), es sei denn, ein schließendes Anführungszeichen beendet
sie, und ebenso ein Datensatz über 1 MB; ein offen gebliebenes
Anführungszeichen wird mit der Zeile gemeldet, in der es geöffnet wurde, und
beendet die Eingabe. Jedes davon ergibt Exit-Status 3; die übrigen Fälle
werden geschrieben. Eine leere Eingabe hat keine Kopfzeile: Exit-Status 2.
</translation>
    </message>
    <message>
        <source>the header row names the columns: Case and the field names of --help</source>
        <translation>die Kopfzeile benennt die Spalten: Case und die Feldnamen von --help</translation>
    </message>
    <message>
        <source>Case and the field names of --help</source>
        <translation>Case und die Feldnamen von --help</translation>
    </message>
    <message>
        <source>%1: no header row; the first row names the columns: %2</source>
        <translation>%1: keine Kopfzeile; die erste Zeile benennt die Spalten: %2</translation>
    </message>
    <message>
        <source>out of memory; the output was not written</source>
        <translation>Speicher erschöpft; die Ausgabe wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <extracomment>After a message of the command line; %1 is the message.</extracomment>
        <translation>%1 (siehe --help)</translation>
    </message>
    <message>
        <source>--lang takes de or en, not %1</source>
        <translation>--lang nimmt de oder en, nicht %1</translation>
    </message>
    <message>
        <source>%1 needs a whole number from 1 to %2</source>
        <translation>%1 braucht eine ganze Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <extracomment>%1 is an option, %2 what it needs (&quot;a file name&quot;).</extracomment>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>only one input file can be given</source>
        <translation>nur eine Eingabedatei kann angegeben werden</translation>
    </message>
    <message>
        <source>an item id (see --list-items)</source>
        <translation>die ID eines Tests (siehe --list-items)</translation>
    </message>
    <message>
        <source>a scenario id (see --list-scenarios)</source>
        <translation>die ID eines Szenarios (siehe --list-scenarios)</translation>
    </message>
    <message>
        <source>scenario ids separated by commas (see --list-scenarios)</source>
        <translation>durch Kommas getrennte Szenario-IDs (siehe --list-scenarios)</translation>
    </message>
    <message>
        <source>item ids separated by commas (see --list-items)</source>
        <translation>durch Kommas getrennte Test-IDs (siehe --list-items)</translation>
    </message>
    <message>
        <source>a number of exercises per item</source>
        <translation>eine Zahl von Aufgaben je Test</translation>
    </message>
    <message>
        <source>a number of versions</source>
        <translation>eine Zahl von Versionen</translation>
    </message>
    <message>
        <source>a title</source>
        <translation>einen Titel</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>einen Dateinamen</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to %1</source>
        <translation>--seed braucht eine ganze Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>1, 2 or 3</source>
        <translation>1, 2 oder 3</translation>
    </message>
    <message>
        <source>--level needs 1, 2 or 3</source>
        <translation>--level braucht 1, 2 oder 3</translation>
    </message>
    <message>
        <source>only one -o can be given</source>
        <translation>nur ein -o kann angegeben werden</translation>
    </message>
    <message>
        <source>a locale name such as de_DE</source>
        <translation>den Namen eines Gebietsschemas wie de_DE</translation>
    </message>
    <message>
        <source>unknown locale %1 (a name such as en_US or de_DE)</source>
        <translation>unbekanntes Gebietsschema %1 (ein Name wie en_US oder de_DE)</translation>
    </message>
    <message>
        <source>de or en</source>
        <translation>de oder en</translation>
    </message>
    <message>
        <source>a number of threads</source>
        <translation>eine Zahl von Threads</translation>
    </message>
    <message>
        <source>--threads needs a number from 1 to 256</source>
        <translation>--threads braucht eine Zahl von 1 bis 256</translation>
    </message>
    <message>
        <source>--steps and --json cannot be used together</source>
        <translation>--steps und --json können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--full can only be used with --batch --json</source>
        <translation>--full kann nur mit --batch --json verwendet werden</translation>
    </message>
    <message>
        <source>--no-carry can only be used with --grade</source>
        <translation>--no-carry kann nur mit --grade verwendet werden</translation>
    </message>
    <message>
        <source>--grade --batch reads one CSV file and takes no option but -o, --sheet, --gradebook, --locale, --lang and --no-carry</source>
        <translation>--grade --batch liest eine CSV-Datei und nimmt keine Option außer -o, --sheet, --gradebook, --locale, --lang und --no-carry</translation>
    </message>
    <message>
        <source>--gradebook and -o name the same file</source>
        <translation>--gradebook und -o nennen dieselbe Datei</translation>
    </message>
    <message>
        <source>--sheet and --gradebook can only be used with --grade --batch</source>
        <translation>--sheet und --gradebook können nur mit --grade --batch verwendet werden</translation>
    </message>
    <message>
        <source>--batch, --items-json, --practice, --grade, --list-items and --worksheet cannot be used together</source>
        <translation>--batch, --items-json, --practice, --grade, --list-items und --worksheet können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--worksheet reads no input and takes no option but --items, --count, --versions, --seed, --level, --title, --scenarios, --locale, --lang, --class-csv, --moodle-xml, --pdf, --key-pdf, --key-without-steps and -o</source>
        <translation>--worksheet liest keine Eingabe und nimmt keine Option außer --items, --count, --versions, --seed, --level, --title, --scenarios, --locale, --lang, --class-csv, --moodle-xml, --pdf, --key-pdf, --key-without-steps und -o</translation>
    </message>
    <message>
        <source>%1: --worksheet writes the sheet file (JSON) with -o and the class file (CSV) with --class-csv; name them .json and .csv (the sheets as PDF: --pdf PATH, the key apart: --key-pdf PATH)</source>
        <translation>%1: --worksheet schreibt die Blattdatei (JSON) mit -o und die Klassendatei (CSV) mit --class-csv; benennen Sie sie .json und .csv (die Blätter als PDF: --pdf PFAD, den Schlüssel getrennt: --key-pdf PFAD)</translation>
    </message>
    <message>
        <source>--class-csv and -o name the same file</source>
        <translation>--class-csv und -o nennen dieselbe Datei</translation>
    </message>
    <message>
        <source>--moodle-xml and -o name the same file</source>
        <translation>--moodle-xml und -o nennen dieselbe Datei</translation>
    </message>
    <message>
        <source>--key-without-steps can only be used with --pdf or --key-pdf</source>
        <translation>--key-without-steps kann nur mit --pdf oder --key-pdf verwendet werden</translation>
    </message>
    <message>
        <source>%1 - and the sheet file would both go to standard output; give -o PATH for the sheet file</source>
        <translation>%1 - und die Blattdatei gingen beide auf die Standardausgabe; geben Sie -o PFAD für die Blattdatei an</translation>
    </message>
    <message>
        <source>%1 and %2 name the same file</source>
        <translation>%1 und %2 nennen dieselbe Datei</translation>
    </message>
    <message>
        <source>--worksheet needs --items</source>
        <translation>--worksheet braucht --items</translation>
    </message>
    <message>
        <source>--items, --count, --versions, --title, --scenarios, --class-csv, --moodle-xml, --pdf, --key-pdf and --key-without-steps can only be used with --worksheet</source>
        <translation>--items, --count, --versions, --title, --scenarios, --class-csv, --moodle-xml, --pdf, --key-pdf und --key-without-steps können nur mit --worksheet verwendet werden</translation>
    </message>
    <message>
        <source>--scenario can only be used with --practice (--scenarios with --worksheet)</source>
        <translation>--scenario kann nur mit --practice verwendet werden (--scenarios mit --worksheet)</translation>
    </message>
    <message>
        <source>--seed, --level and --answers can only be used with --practice (--seed and --level with --worksheet too)</source>
        <translation>--seed, --level und --answers können nur mit --practice verwendet werden (--seed und --level auch mit --worksheet)</translation>
    </message>
    <message>
        <source>%1 reads one file and takes no option but -o, --locale, --lang and --no-carry</source>
        <extracomment>%1 is the option (--practice, --grade, --list-items, --list-scenarios).</extracomment>
        <translation>%1 liest eine Datei und nimmt keine Option außer -o, --locale, --lang und --no-carry</translation>
    </message>
    <message>
        <source>%1 reads no input and takes no option but -o, --locale, --lang, --seed, --level, --scenario and --answers</source>
        <translation>%1 liest keine Eingabe und nimmt keine Option außer -o, --locale, --lang, --seed, --level, --scenario und --answers</translation>
    </message>
    <message>
        <source>%1 reads no input and takes no option but -o, --locale, --lang and --json</source>
        <translation>%1 liest keine Eingabe und nimmt keine Option außer -o, --locale, --lang und --json</translation>
    </message>
    <message>
        <source>--items-json reads no input and takes no option but -o, --locale and --lang</source>
        <translation>--items-json liest keine Eingabe und nimmt keine Option außer -o, --locale und --lang</translation>
    </message>
    <message>
        <source>--steps cannot be used with --batch</source>
        <translation>--steps kann nicht mit --batch verwendet werden</translation>
    </message>
    <message>
        <source>--threads can only be used with --batch</source>
        <translation>--threads kann nur mit --batch verwendet werden</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>Usage: quarvex-cli [-o PATH] [--steps | --json] [--locale NAME] [--] [FILE]
       quarvex-cli --batch [-o PATH] [--json] [--locale NAME] [--threads N]
                           [--] [FILE]
       quarvex-cli --items-json [-o PATH] [--locale NAME]

Computes every test item of the Comprehensive Overview that the given values
allow and writes the results in the tab-delimited export format.

Input (FILE, or standard input when no FILE or &quot;-&quot; is given): one field a
line as Name=text, with the field names of the Data Entry screen. The text
after &quot;=&quot; is taken as typed, exactly as if it were typed into the field:
numbers in the number format of the locale (--locale, else LC_ALL,
LC_NUMERIC, LANG), units exactly as in the unit lists (&quot;mg/dL&quot;, not
&quot;MG/DL&quot;), Gender as Male or Female; blanks and tabs at the end of a unit
or Gender are dropped. Lines end in LF, CR LF or CR. Blank lines and lines
starting with # are ignored; a field not given is empty. An unknown name,
a line without &quot;=&quot;, a name given twice, a line over 4096 bytes or an input
over 1 MiB stops the program with an error naming the line, before anything
is computed, and so does a line that is not UTF-8. A line Locale=NAME
(&quot;en_US&quot;, &quot;de_DE&quot;, &quot;C&quot;) says which number format the file&apos;s values are
written in: they are then read in it, whatever the environment&apos;s. A case
saved by Quarvex is such a file.

Example:
  Age=40
  Weight=70
  UnitWeight=kg
  Gender=Male
  SerumCreatinine=1.0
  UnitSerumCreatinine=mg/dL

Options:
  -o PATH    write the results to PATH instead of standard output (in every
             mode, once at most); a regular file is replaced only once fully
             written, a device or pipe is written in place, and the
             program&apos;s own standard output or error (/dev/stdout,
             /dev/fd/1, ...) is written as it was opened, so &quot;&gt;&gt;&quot; appends.
             &quot;-o -&quot; is standard output. A PATH naming the input is refused.
  --locale NAME  read and write numbers as that locale does (de_DE: 1,5)
  --lang de|en  the language of the messages and of this help (default:
             English, whatever the environment&apos;s); the results, the export,
             JSON and worked steps stay in English in every language
  --         ends the options: a FILE starting with &quot;-&quot; follows
  --steps    write the worked steps of every computed item as plain text
             instead of the results
  --json     write one JSON document with the inputs, every item&apos;s rows,
             bands and sources instead of the results
  --items-json  write what every case shares, once: the fields with their
             units and reference intervals (numbers as --locale writes
             them), each item&apos;s rows with their formulas, band tables and
             interpretations, its sources, and the note templates (the
             lines of --batch --json refer to it by position and id)
  --help     show this text

A value that is not a number is reported on standard error, naming the
field; items that need it are left out, as on the screen. A unit or Gender
text that is none of its choices, an item whose result is not a finite
number and an input without fields are reported as warnings. A value that
looks like a typing or unit slip (outside the values seen in patients,
or a part above its whole, such as HDL above total cholesterol) gets a
line &quot;quarvex-cli: warning: &lt;field&gt;: &lt;text&gt;&quot; on standard error; the
results and the exit status stay as they are.

Exit status, in every mode:
  0  the results were written
  1  the output could not be written, or memory ran out (an existing
     file is left as it was)
  2  bad command line, or input that cannot be used (nothing is written)
  3  batch mode: rows skipped or the input ended inside a row; the other
     cases were written

</source>
        <translation>Aufruf: quarvex-cli [-o PFAD] [--steps | --json] [--locale NAME] [--] [DATEI]
        quarvex-cli --batch [-o PFAD] [--json] [--locale NAME] [--threads N]
                            [--] [DATEI]
        quarvex-cli --items-json [-o PFAD] [--locale NAME]

Berechnet jeden Test der Gesamtübersicht, den die angegebenen Werte erlauben,
und schreibt die Ergebnisse im tabulatorgetrennten Exportformat.

Eingabe (DATEI, oder die Standardeingabe, wenn keine DATEI oder &quot;-&quot; angegeben
ist): ein Feld je Zeile als Name=Text, mit den Feldnamen der Dateneingabe. Der
Text nach &quot;=&quot; wird genau so gelesen, als wäre er in das Feld getippt worden:
Zahlen im Zahlenformat des Gebietsschemas (--locale, sonst LC_ALL,
LC_NUMERIC, LANG), Einheiten genau wie in den Einheitenlisten (&quot;mg/dL&quot;, nicht
&quot;MG/DL&quot;), Gender als Male oder Female; Leerzeichen und Tabulatoren am Ende
einer Einheit oder von Gender entfallen. Zeilen enden mit LF, CR LF oder CR.
Leere Zeilen und Zeilen, die mit # beginnen, werden übergangen; ein nicht
angegebenes Feld ist leer. Ein unbekannter Name, eine Zeile ohne &quot;=&quot;, ein
doppelt angegebener Name, eine Zeile über 4096 Byte oder eine Eingabe über
1 MiB beendet das Programm mit einem Fehler, der die Zeile nennt, bevor etwas
berechnet wird, ebenso eine Zeile, die kein UTF-8 ist. Eine Zeile Locale=NAME
(&quot;en_US&quot;, &quot;de_DE&quot;, &quot;C&quot;) sagt, in welchem Zahlenformat die Werte der Datei
geschrieben sind: Sie werden dann darin gelesen, gleich was die Umgebung sagt.
Ein von Quarvex gespeicherter Fall ist eine solche Datei.

Beispiel:
  Age=40
  Weight=70
  UnitWeight=kg
  Gender=Male
  SerumCreatinine=1.0
  UnitSerumCreatinine=mg/dL

Optionen:
  -o PFAD    die Ergebnisse nach PFAD statt auf die Standardausgabe schreiben
             (in jeder Betriebsart, höchstens einmal); eine gewöhnliche Datei
             wird erst ersetzt, wenn sie ganz geschrieben ist, ein Gerät oder
             eine Pipe wird an Ort und Stelle beschrieben, und die eigene
             Standardausgabe oder -fehlerausgabe des Programms (/dev/stdout,
             /dev/fd/1, ...) so, wie sie geöffnet wurde, sodass &quot;&gt;&gt;&quot; anhängt.
             &quot;-o -&quot; ist die Standardausgabe. Ein PFAD, der die Eingabe nennt,
             wird abgelehnt.
  --locale NAME  Zahlen so lesen und schreiben wie dieses Gebietsschema
             (de_DE: 1,5)
  --lang de|en  die Sprache der Meldungen und dieser Hilfe (Vorgabe: Englisch,
             gleich welche Sprache die Umgebung nennt); Ergebnisse, Export,
             JSON und Rechenweg bleiben in jeder Sprache englisch
  --         beendet die Optionen: eine DATEI, die mit &quot;-&quot; beginnt, folgt
  --steps    statt der Ergebnisse den Rechenweg jedes berechneten Tests als
             Text schreiben
  --json     statt der Ergebnisse ein JSON-Dokument mit den Eingaben und den
             Zeilen, Bereichen und Quellen jedes Tests schreiben
  --items-json  einmal schreiben, was alle Fälle gemeinsam haben: die Felder
             mit ihren Einheiten und Referenzbereichen (Zahlen, wie --locale
             sie schreibt), die Zeilen jedes Tests mit Formeln, Bereichstabellen
             und Bewertungen, seine Quellen und die Vorlagen der Hinweise (die
             Zeilen von --batch --json verweisen darauf nach Position und ID)
  --help     diesen Text zeigen

Ein Wert, der keine Zahl ist, wird auf der Standardfehlerausgabe gemeldet, mit
dem Namen des Feldes; Tests, die ihn brauchen, entfallen wie auf dem
Bildschirm. Ein Einheiten- oder Gender-Text, der keiner seiner Auswahlen
entspricht, ein Test, dessen Ergebnis keine endliche Zahl ist, und eine
Eingabe ohne Felder werden als Warnungen gemeldet. Ein Wert, der wie ein
Tipp- oder Einheitenfehler aussieht (außerhalb der bei Patienten gesehenen
Werte, oder ein Teil über seinem Ganzen, etwa HDL über dem Gesamtcholesterin),
erhält eine Zeile &quot;quarvex-cli: Warnung: &lt;Feld&gt;: &lt;Text&gt;&quot; auf der
Standardfehlerausgabe; Ergebnisse und Exit-Status bleiben, wie sie sind.

Exit-Status, in jeder Betriebsart:
  0  die Ergebnisse wurden geschrieben
  1  die Ausgabe konnte nicht geschrieben werden, oder der Speicher reichte
     nicht (eine vorhandene Datei bleibt, wie sie war)
  2  fehlerhafte Befehlszeile oder unbrauchbare Eingabe (nichts wird
     geschrieben)
  3  Stapelbetrieb: Zeilen übersprungen, oder die Eingabe endete mitten in
     einer Zeile; die übrigen Fälle wurden geschrieben

</translation>
    </message>
    <message>
        <source>
Field names:
</source>
        <translation>
Feldnamen:
</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>Warnung: %1: %2</translation>
    </message>
    <message>
        <source>line %1: %2: %3</source>
        <extracomment>%1 is a line number, %2 a field name, %3 what is wrong with its value.</extracomment>
        <translation>Zeile %1: %2: %3</translation>
    </message>
    <message>
        <source>warning: no fields given</source>
        <translation>Warnung: keine Felder angegeben</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: Zeile %2: %3</translation>
    </message>
    <message>
        <source>-o %1 names the input; writing it would destroy what is read (see --help)</source>
        <translation>-o %1 nennt die Eingabe; sie zu schreiben würde zerstören, was gelesen wird (siehe --help)</translation>
    </message>
    <message>
        <source>--practice: no item &quot;%1&quot; (see --list-items)</source>
        <translation>--practice: kein Test „%1“ (siehe --list-items)</translation>
    </message>
    <message>
        <source>%1: the input is over 1 MiB</source>
        <translation>%1: die Eingabe ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>--items: no item &quot;%1&quot; (see --list-items)</source>
        <translation>--items: kein Test „%1“ (siehe --list-items)</translation>
    </message>
    <message>
        <source>--worksheet: %1 (see --help)</source>
        <translation>--worksheet: %1 (siehe --help)</translation>
    </message>
    <message>
        <source>--gradebook %1 names a file that is read; writing it would destroy it (see --help)</source>
        <translation>--gradebook %1 nennt eine Datei, die gelesen wird; sie zu schreiben würde sie zerstören (siehe --help)</translation>
    </message>
    <message>
        <source>-o %1 names the sheet file; writing it would destroy it (see --help)</source>
        <translation>-o %1 nennt die Blattdatei; sie zu schreiben würde sie zerstören (siehe --help)</translation>
    </message>
    <message>
        <source>Student, Code and the step ids</source>
        <translation>Student, Code und die Schritt-IDs</translation>
    </message>
    <message>
        <source>Student, Item, Seed, Level, Generator and the step ids</source>
        <translation>Student, Item, Seed, Level, Generator und die Schritt-IDs</translation>
    </message>
    <message>
        <source>Practice:
  quarvex-cli --practice ITEM [--seed N] [--level 1|2|3] [--scenario ID]
             [--answers] [--locale NAME] [-o PATH]
  quarvex-cli --grade [--no-carry] [--locale NAME] [-o PATH] [--] [FILE]
  quarvex-cli --list-items [--json] [-o PATH]
  quarvex-cli --list-scenarios [--json] [-o PATH]

--practice writes one exercise as JSON: a case generated from the seed (a
whole number from 0 to 9007199254740991; drawn when not given, and named in
the output), a patient of one of the clinical scenarios that report the
item&apos;s values (--scenario ID: of that one; --list-scenarios lists them), and
the version of the generator (&quot;generator&quot;), and the steps that
work it out, each with its id, prompt, unit, kind (number or choice),
choices, tolerance and whether it is given. Level 1 gives the conversions,
2 asks them too, 3 asks only each result and interpretation (default 1).
--answers adds each step&apos;s expected answer. ITEM is an item&apos;s id or its
list text; --list-items prints the ids and names (--json: as JSON).
The same item, seed, level, scenario and generator version give the same
exercise everywhere.

--grade reads {&quot;item&quot;, &quot;seed&quot;, &quot;level&quot;, &quot;generator&quot;, &quot;scenarios&quot; (where
one was chosen), &quot;answers&quot;: {step id: answer}} (FILE, or standard input);
input without &quot;generator&quot; or of another version was made by another
generator and is refused: make the exercise again. It writes {&quot;steps&quot;:
[{&quot;id&quot;, &quot;correct&quot;, &quot;carried&quot;, &quot;expected&quot;, &quot;feedback&quot;, &quot;slip&quot;}],
&quot;correct&quot;, &quot;right&quot;, &quot;carried&quot;, &quot;asked&quot;, &quot;score&quot;}. An answer is a JSON
number, or a text: a number with a decimal point or in the --locale&apos;s
format, or a choice&apos;s text or number (1 for the first). &quot;slip&quot; names the
slip a wrong answer matches, or is null. A step wrong from the case but
right when worked from the learner&apos;s own earlier answers is &quot;carried&quot;
(right from your earlier answer) and counts in &quot;correct&quot; and &quot;score&quot;;
&quot;right&quot; counts the steps right from the case itself. --no-carry counts
carried steps wrong.

Worksheets and grading a class:
  quarvex-cli --worksheet --items ID[,ID...] [--count N] [--versions V]
             [--seed S] [--level 1|2|3] [--title T] [--scenarios ID[,ID...]]
             [--locale NAME] [--class-csv PATH] [--moodle-xml PATH]
             [--pdf PATH] [--key-pdf PATH] [--key-without-steps] [-o PATH]
  quarvex-cli --grade --batch [--sheet SHEET] [--gradebook PATH] [--no-carry]
             [--locale NAME] [-o PATH] [--] [FILE]

--worksheet writes a worksheet as JSON: for each of V versions (one per
student, numbered from 1; 1 to 200, default 1) N exercises of each item
(1 to 20, default 1), each with its own seed made from S, the version, the
item and the exercise&apos;s place, written as --practice writes an exercise
(--scenarios: the cases drawn from those scenarios only; an item none of
them supports is refused); under &quot;answers&quot; each exercise&apos;s item, seed,
level, generator, scenarios and the expected value
of every step asked. The window&apos;s worksheet makes the same exercises from
the same settings. It is the sheet file: its &quot;sheet&quot; is the sheet&apos;s id, a
hash of the settings, and every exercise has a code printed beside it, the
sheet id, version, exercise number and a check character (K7Q4-12-1C).
--class-csv writes the class file to fill in: Student (empty), Code and one
column per step asked, headed by the step id; a row per version and exercise.
--moodle-xml writes the exercises as Moodle XML besides: a category named
by the title, then one embedded-answers (cloze) question per version and
exercise, each asked step a gap with the step&apos;s tolerance, each slip&apos;s
answer at 0 % with its feedback, the worked steps as general feedback.
--pdf writes the students&apos; sheets as PDF, as the window&apos;s worksheet dialog
saves them: each version from a new page with a Name and Date line, the
answer key after all versions (its answer tables, then the worked steps).
--key-pdf writes the key as a document of its own instead (alone when
--pdf is not given); --key-without-steps leaves the worked steps out of
the key. Numbers as --locale writes them, on Letter paper for a US locale,
A4 otherwise. The sheet file still goes to -o (standard output when not
given). No display is needed.

--grade --batch grades a class&apos;s answers from CSV, with batch mode&apos;s CSV
rules and exit statuses: one row per student and exercise, with the
columns Student, Item (id or list text), Seed, Level, Generator (the
generator version; a sheet without it was made by an earlier generator
and is refused), optionally Scenario (ids separated by blanks) and one column per
step id (as --practice names them; a column absent or empty is a blank
answer). The output is CSV with the same delimiter: Student, Item, Seed,
Level, Generator, Scenario (where given), Score (0 to 1), Right (carried
steps counted unless --no-carry),
Fully right, Asked, and for each step asked &quot;&lt;id&gt;: mark&quot; (right, carried,
wrong or blank), &quot;&lt;id&gt;: slip&quot; (the slip&apos;s id or empty) and
&quot;&lt;id&gt;: feedback&quot;, then any other column of the input (Email, ID number:
a name that is no step id&apos;s) as it was, named once in a warning. Cells
from the input that start with =, +, -, @, a tab or a carriage return get
a leading apostrophe, so that a spreadsheet shows them as text. A summary
goes to standard error: students, exercises and mean score; each slip named
with the number of students who made it; item by item, how many of the
exercises that asked each step had it right. A row with an unknown item, a
seed or level out of range or an answer to a step its exercise does not
have is reported with its line and skipped (exit status 3), as is a row
batch mode would skip and a row with answers but an empty Student; a row
with neither (a version nobody got) is left out.
A file of more than 20000 rows is refused before anything is written
(exit status 2).

--sheet SHEET reads the sheet file (--worksheet -o) the class file belongs to;
the class file may then name each exercise by its Code column (as
--class-csv writes it) instead of Item, Seed, Level and Generator. A code
mistyped, of another sheet or of an exercise the sheet lacks is reported
with its line and the row skipped (exit status 3); small letters and
spaces around a code are read. The output then has Code after Student and
the Item, Seed, Level and Generator of the code&apos;s exercise. A Code column
without --sheet is refused.

--gradebook PATH writes one row per student (in the order first met) as
CSV with the class file&apos;s delimiter: Student, the class file&apos;s Email, Email
address, ID number, Username, ID, SIS User ID, SIS Login ID and Section
columns where it has them (a grade import matches students on them), Total
and one column per item, headed by the item&apos;s id: Total is the mean of the
student&apos;s exercise scores times 100, an item&apos;s column the same over that
item&apos;s exercises (empty when the student has none), with two decimals and
the --locale&apos;s decimal separator.
</source>
        <translation>Üben:
  quarvex-cli --practice TEST [--seed N] [--level 1|2|3] [--scenario ID]
             [--answers] [--locale NAME] [-o PFAD]
  quarvex-cli --grade [--no-carry] [--locale NAME] [-o PFAD] [--] [DATEI]
  quarvex-cli --list-items [--json] [-o PFAD]
  quarvex-cli --list-scenarios [--json] [-o PFAD]

--practice schreibt eine Aufgabe als JSON: einen Fall, aus dem Startwert erzeugt
(eine ganze Zahl von 0 bis 9007199254740991; gezogen, wenn keiner angegeben ist,
und in der Ausgabe genannt), einen Patienten eines der klinischen Szenarien, die
die Werte des Tests berichten (--scenario ID: dieses einen; --list-scenarios
listet sie), die Version des Generators (&quot;generator&quot;) und die Schritte, die ihn
lösen, jeder mit ID, Aufforderung, Einheit, Art (Zahl oder Auswahl),
Auswahlen, Toleranz und ob er vorgegeben ist. Stufe 1 gibt die Umrechnungen vor,
2 fragt auch sie, 3 fragt nur jedes Ergebnis und jede Bewertung (Vorgabe 1).
--answers fügt die erwartete Antwort jedes Schritts hinzu. TEST ist die ID eines
Tests oder sein Listentext; --list-items druckt die IDs und Namen (--json: als
JSON). Gleicher Test, Startwert, Stufe, Szenario und Generatorversion ergeben
überall dieselbe Aufgabe.

--grade liest {&quot;item&quot;, &quot;seed&quot;, &quot;level&quot;, &quot;generator&quot;, &quot;scenarios&quot; (wo eines
gewählt war), &quot;answers&quot;: {Schritt-ID: Antwort}} (DATEI oder Standardeingabe);
eine Eingabe ohne &quot;generator&quot; oder mit einer anderen Version stammt von einem
anderen Generator und wird abgelehnt: Erstellen Sie die Aufgabe neu. Geschrieben
wird {&quot;steps&quot;: [{&quot;id&quot;, &quot;correct&quot;, &quot;carried&quot;, &quot;expected&quot;, &quot;feedback&quot;,
&quot;slip&quot;}], &quot;correct&quot;, &quot;right&quot;, &quot;carried&quot;, &quot;asked&quot;, &quot;score&quot;}. Eine Antwort ist
eine JSON-Zahl oder ein Text: eine Zahl mit Dezimalpunkt oder im Format von
--locale, oder Text oder Nummer einer Auswahl (1 für die erste). &quot;slip&quot; nennt
den Fehler, dem eine falsche Antwort entspricht, oder ist null. Ein Schritt, der
vom Fall aus falsch, aber aus den eigenen früheren Antworten gerechnet richtig
ist, ist &quot;carried&quot; (richtig aus Ihrer früheren Antwort) und zählt in &quot;correct&quot;
und &quot;score&quot;; &quot;right&quot; zählt die Schritte, die vom Fall selbst aus richtig sind.
--no-carry zählt übernommene Schritte als falsch.

Arbeitsblätter und das Bewerten einer Klasse:
  quarvex-cli --worksheet --items ID[,ID...] [--count N] [--versions V]
             [--seed S] [--level 1|2|3] [--title T] [--scenarios ID[,ID...]]
             [--locale NAME] [--class-csv PFAD] [--moodle-xml PFAD]
             [--pdf PFAD] [--key-pdf PFAD] [--key-without-steps] [-o PFAD]
  quarvex-cli --grade --batch [--sheet BLATT] [--gradebook PFAD] [--no-carry]
             [--locale NAME] [-o PFAD] [--] [DATEI]

--worksheet schreibt ein Arbeitsblatt als JSON: für jede von V Versionen (eine
je Studierendem, ab 1 nummeriert; 1 bis 200, Vorgabe 1) N Aufgaben jedes Tests
(1 bis 20, Vorgabe 1), jede mit eigenem Startwert aus S, der Version, dem Test
und dem Platz der Aufgabe, geschrieben wie --practice eine Aufgabe schreibt
(--scenarios: die Fälle nur aus diesen Szenarien gezogen; ein Test, den keines
davon unterstützt, wird abgelehnt); unter &quot;answers&quot; Test, Startwert, Stufe,
Generator, Szenarien und der erwartete Wert
jedes gefragten Schritts jeder Aufgabe. Das Arbeitsblatt des Fensters erstellt
aus denselben Einstellungen dieselben Aufgaben. Es ist die Blattdatei: ihr
&quot;sheet&quot; ist die ID des Blatts, ein Hash der Einstellungen, und jede Aufgabe hat
einen daneben gedruckten Code aus Blatt-ID, Version, Aufgabennummer und einem
Prüfzeichen (K7Q4-12-1C).
--class-csv schreibt die auszufüllende Klassendatei: Student (leer), Code und eine
Spalte je gefragtem Schritt, überschrieben mit der Schritt-ID; eine Zeile je
Version und Aufgabe.
--moodle-xml schreibt die Aufgaben zusätzlich als Moodle-XML: eine nach dem Titel
benannte Kategorie, dann eine Lückentextfrage (Cloze) je Version und Aufgabe,
jeder gefragte Schritt eine Lücke mit der Toleranz des Schritts, die Antwort
jedes Fehlers mit 0 % und seiner Rückmeldung, der Rechenweg als allgemeine
Rückmeldung.
--pdf schreibt die Blätter der Studierenden als PDF, wie der Arbeitsblatt-Dialog
des Fensters sie speichert: jede Version auf einer neuen Seite mit einer Zeile
für Name und Datum, der Lösungsschlüssel nach allen Versionen (seine
Antworttabellen, dann der Rechenweg).
--key-pdf schreibt den Lösungsschlüssel stattdessen als eigenes Dokument (allein,
wenn --pdf fehlt); --key-without-steps lässt den Rechenweg aus dem Schlüssel weg.
Zahlen, wie --locale sie schreibt, auf Letter-Papier für ein US-Gebietsschema,
sonst A4. Die Blattdatei geht weiter nach -o (auf die Standardausgabe, wenn
nicht angegeben). Eine Anzeige wird nicht gebraucht.

--grade --batch bewertet die Antworten einer Klasse aus CSV, mit den CSV-Regeln
und Exit-Status des Stapelbetriebs: eine Zeile je Studierendem und Aufgabe, mit
den Spalten Student, Item (ID oder Listentext), Seed, Level, Generator (die
Generatorversion; ein Blatt ohne sie stammt von einem früheren Generator und
wird abgelehnt), wahlweise Scenario (IDs, durch Leerzeichen getrennt) und einer
Spalte je Schritt-ID (wie --practice sie nennt; eine fehlende oder leere Spalte
ist eine leere Antwort). Die Ausgabe ist CSV mit demselben Trennzeichen:
Student, Item, Seed, Level, Generator, Scenario (wo angegeben), Score (0 bis 1),
Right (übernommene Schritte mitgezählt, außer mit --no-carry),
Fully right, Asked und für jeden gefragten Schritt &quot;&lt;id&gt;: mark&quot; (right,
carried, wrong oder blank), &quot;&lt;id&gt;: slip&quot; (die ID des Fehlers oder leer) und
&quot;&lt;id&gt;: feedback&quot;, dann jede andere Spalte der Eingabe (Email, ID number: ein
Name, der keine Schritt-ID ist) unverändert, einmal in einer Warnung genannt.
Zellen der Eingabe, die mit =, +, -, @, einem Tabulator oder Wagenrücklauf
beginnen, erhalten einen führenden Apostroph, damit eine Tabellenkalkulation
sie als Text zeigt. Eine Zusammenfassung geht auf die Standardfehlerausgabe:
Studierende, Aufgaben und mittlere Punktzahl; jeder Fehler mit der Zahl der
Studierenden, die ihn gemacht haben; Test für Test, wie viele der Aufgaben, die
einen Schritt fragten, ihn richtig hatten. Eine Zeile mit unbekanntem Test,
Startwert oder Stufe außerhalb des Bereichs oder einer Antwort auf einen
Schritt, den ihre Aufgabe nicht hat, wird mit ihrer Zeile gemeldet und
übersprungen (Exit-Status 3), ebenso eine Zeile, die der Stapelbetrieb
überspringen würde, und eine Zeile mit Antworten, aber leerem Student; eine
Zeile mit keinem von beiden (eine Version, die niemand bekam) entfällt.
Eine Datei mit mehr als 20000 Zeilen wird abgelehnt, bevor etwas geschrieben
wird (Exit-Status 2).

--sheet BLATT liest die Blattdatei (--worksheet -o), zu der die Klassendatei
gehört; die Klassendatei darf dann jede Aufgabe mit ihrer Spalte Code nennen
(wie --class-csv sie schreibt) statt mit Item, Seed, Level und Generator. Ein
vertippter Code, einer eines anderen Blatts oder einer Aufgabe, die das Blatt
nicht hat, wird mit seiner Zeile gemeldet und die Zeile übersprungen
(Exit-Status 3); Kleinbuchstaben und Leerzeichen um einen Code werden gelesen.
Die Ausgabe hat dann Code nach Student und Item, Seed, Level und Generator der
Aufgabe des Codes. Eine Spalte Code ohne --sheet wird abgelehnt.

--gradebook PFAD schreibt eine Zeile je Studierendem (in der Reihenfolge des
ersten Auftretens) als CSV mit dem Trennzeichen der Klassendatei: Student, die
Spalten Email, Email address, ID number, Username, ID, SIS User ID, SIS Login
ID und Section der Klassendatei, soweit sie sie hat (ein Notenimport ordnet die
Studierenden danach zu), Total und eine Spalte je Test, überschrieben mit der
ID des Tests: Total ist das Mittel der Aufgabenpunktzahlen der oder des
Studierenden mal 100, die Spalte eines Tests dasselbe über dessen Aufgaben
(leer, wenn es keine gibt), mit zwei Dezimalstellen und dem Dezimaltrennzeichen
von --locale.
</translation>
    </message>
    <message>
        <source>%1: the pages could not be drawn</source>
        <translation>%1: die Seiten konnten nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>--sheet %1: %2</source>
        <translation>--sheet %1: %2</translation>
    </message>
</context>
<context>
    <name>quarvex::ClinicalProse</name>
    <message>
        <source>The two differ: the Cockcroft–Gault clearance is a creatinine clearance in mL/min that grows with body weight, while the eGFR estimates the glomerular filtration rate normalised to 1.73 m² of body surface and takes no weight. Cockcroft and Gault derived their formula in 1976 in 249 mostly male adults; the CKD-EPI 2021 equation was derived against measured GFR in adults and has no race term. Chronic kidney disease is staged by the eGFR; the Cockcroft–Gault clearance is still used for drug dosing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>Not this interpretation: compare the value with the band edges again.</source>
        <translation>Nicht diese Bewertung: Vergleichen Sie den Wert noch einmal mit den Bereichsgrenzen.</translation>
    </message>
    <message>
        <source>Each answer is marked on its own: an answer worked right from a wrong earlier answer gets no mark here. Compare your working with the steps below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (given)</source>
        <translation type="unfinished">%1 (gegeben)</translation>
    </message>
    <message>
        <source>%1 is not raised. The fractional urea excretion separates prerenal failure from acute tubular necrosis in acute kidney injury and, unlike the fractional sodium excretion, keeps its meaning on diuretics; read it only when kidney function is known to be failing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>far too high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>far too low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right from your earlier answer: it gives %1%2; from the case, %3%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right from your earlier answer: %1 gives this interpretation. From the case: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the serum and urine values swapped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the result cut off or rounded to fewer places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the decimal point in the wrong place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two digits transposed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is what you get when the factor %1 for women is left out: for a woman the formula multiplies by it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is what you get when the %1 and the %2 change places.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the result cut off rather than rounded: %1 rounds to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the result rounded to fewer places than it shows: keep %1 decimals, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The digits are right but the decimal point is 1 place off: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The digits are right but the decimal point is 2 places off: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two digits have changed places: the answer is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off by %1</source>
        <translation>um %1 daneben</translation>
    </message>
    <message>
        <source>about %1 times too high</source>
        <translation>etwa %1-mal zu hoch</translation>
    </message>
    <message>
        <source>about %1 times too low</source>
        <translation>etwa %1-mal zu niedrig</translation>
    </message>
    <message>
        <source>%1 % too high</source>
        <translation>%1 % zu hoch</translation>
    </message>
    <message>
        <source>%1 % too low</source>
        <translation>%1 % zu niedrig</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>It works from %1.</source>
        <translation>Er baut auf %1 auf.</translation>
    </message>
    <message>
        <source>Not answered.</source>
        <translation>Nicht beantwortet.</translation>
    </message>
    <message>
        <source>Not a number: write it with digits, such as %1.</source>
        <translation>Keine Zahl: Schreiben Sie sie mit Ziffern, etwa %1.</translation>
    </message>
    <message>
        <source>Right: %1%2.</source>
        <translation>Richtig: %1%2.</translation>
    </message>
    <message>
        <source>Not right: %1.</source>
        <translation>Nicht richtig: %1.</translation>
    </message>
    <message>
        <source>Choose one of the interpretations offered.</source>
        <translation>Wählen Sie eine der angebotenen Bewertungen.</translation>
    </message>
    <message>
        <source>The HDL text is the risk of coronary heart disease relative to the average risk, not a measure of the HDL cholesterol itself: at an HDL cholesterol of %1 mg/dL a risk above average goes with a low HDL, a risk below average with a high one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is above 150 mg/dL and this LDL cholesterol of %2 mg/dL is below 70: there Friedewald&apos;s estimate falls short of the LDL cholesterol. Sampson&apos;s equation gives %3 from the same values. (No source on this program&apos;s literature list states the shortfall.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is raised and the AST to ALT ratio of %2 is above 2, which suggests alcoholic liver disease (a mean ratio of 2.85 in alcoholic liver disease in Cohen and Kaplan&apos;s series); the ratio is supportive only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is very high: aminotransferases in the thousands point to ischaemic hepatitis (shock liver) or a toxic or drug-induced injury, above 5000 IU/L usually one of these, and the ratio does not tell liver diseases apart. (The bound of 1000 IU/L for this note is a reasoned estimate, not from a source.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is raised with a direct fraction of %2 %, below 20 %: an indirect (unconjugated) hyperbilirubinaemia, as in haemolysis or Gilbert&apos;s syndrome. (Haemolysis as its cause is not stated by a source on this program&apos;s literature list.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A ferritin of %1 ng/mL with a transferrin saturation of %2, below 20 %, is not iron overload, which needs a raised saturation as well (above 45 % in women, 50 % in men): ferritin rises with inflammation, so consider an inflammatory state such as the anaemia of chronic disease.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A ferritin of %1 ng/mL with a transferrin saturation of %2 is not iron overload, which needs a saturation above 45 % in women and above 50 % in men as well; ferritin also rises with inflammation, infection, liver injury and renal failure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is below 15 ug/L, the WHO cut-off for iron deficiency in apparently healthy adults (below 70 ug/L with infection or inflammation), although its band reads normal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with a transferrin saturation of %2, below 20 %, fits iron deficiency: WHO puts iron deficiency below a ferritin of 15 ug/L in apparently healthy adults and below 70 ug/L with infection or inflammation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An eGFR of %1 needs a serum creatinine in a steady state: while the creatinine is still rising, as in acute kidney injury, it lags behind the fall in filtration, and neither the number nor its category describes the kidney function until the creatinine is stable. (No source for this note is on this program&apos;s literature list.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The G categories stage chronic kidney disease only when the decrease has been present for more than 3 months: one eGFR of %1 is no stage of chronic kidney disease. (The guideline&apos;s definition of chronic kidney disease is not quoted on this program&apos;s literature list.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A ratio of %1 lies from 0.75 to 1.0, where the ratio is indeterminate: it points to other causes of acute renal failure only below 0.75 and to acute uric acid nephropathy only above 1.0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is low and the excretion of %2 mEq/24 hours is below 20: the kidneys are conserving potassium, which fits a potassium loss outside the kidneys rather than renal wasting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An eGFR of %1 in category G1 or G2 is chronic kidney disease only with markers of kidney damage, such as albuminuria, present for more than 3 months; without them it does not meet the definition of chronic kidney disease. (The guideline&apos;s definition of chronic kidney disease is not quoted on this program&apos;s literature list.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 per %3</source>
        <translation>%1 %2 pro %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>serum urea nitrogen</source>
        <translation>Serum-Harnstoff-Stickstoff</translation>
    </message>
    <message>
        <source>urine urea nitrogen</source>
        <translation>Urin-Harnstoff-Stickstoff</translation>
    </message>
    <message>
        <source>%1 (no unit: the units cancel)</source>
        <translation>%1 (ohne Einheit: die Einheiten kürzen sich)</translation>
    </message>
    <message>
        <source>%1 (no unit)</source>
        <translation>%1 (ohne Einheit)</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>non-HDL cholesterol</source>
        <translation>Non-HDL-Cholesterin</translation>
    </message>
    <message>
        <source>VLDL cholesterol ≈ TG ÷ 5</source>
        <translation>VLDL-Cholesterin ≈ TG ÷ 5</translation>
    </message>
    <message>
        <source>urine protein in mg/dL</source>
        <translation>Urinprotein in mg/dL</translation>
    </message>
    <message>
        <source>Cockcroft–Gault was derived in adults aged 18–92 years and is not valid below 18 [R1][R69].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The heaviest recorded human weighed about 635 kg [U6].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age and sex tables, e.g. 18–29 years: men 0.60–1.24, women 0.50–0.96 mg/dL [R48]; highest recorded 73.8 mg/dL [R53]; mean critical high 7.4 mg/dL [R46].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depends on hydration, typically about 20–320 mg/dL (estimate); daily excretion 20–25 mg/kg (men), 15–20 mg/kg (women) [R89].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Survivors reported at 92–99 and up to 228 mmol/L after salt ingestion [R55]; critical limits 120/158 [R45].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40–140 mmol/L in 24-hour urine [R62]; below 20 suggests sodium avidity [R73].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above 10 is rare: consider pseudohyperkalaemia (haemolysis) [R54]; critical limits 2.8/6.2 [R45].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40–120 mmol/L in 24-hour urine [R62]; below 15–20 means conservation [R71][R76].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above 10.4 mg/dL is hypercalcaemia [R61]; crisis above 14 [R59]; critical limits 6.6/12.9 [R45][R46].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24-hour urine below 7.5 mmol (about 300 mg) a day [R62]; a random sample typically about 0.5–7 mmol/L (estimate).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical limits 1.2/8.9 [R46].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24-hour urine about 0.4–1.3 g a day [U10].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As urea nitrogen (BUN): if the laboratory reports urea in mg/dL, divide by 2.14 first [R52]; critical high 104 mg/dL, 37.1 mmol/L [R46].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24-hour urine urea 20–35 g a day [R62]; a random sample typically about 70–530 mmol/L (estimate).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tumour lysis can raise it to 50 mg/dL [R57]; critical 13 [R46].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24-hour urine up to 800 mg a day [R63]; random urine uric acid/creatinine below 0.60 mg/mg [R48]; 150–200 mg/dL in acute uric acid nephropathy [R57].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method-dependent; values above 32767 cannot be entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32–641 U/L in a 2-hour collection, 40–330 U in 24 hours [R93]; values above 32767 cannot be entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24-hour urine below 150 mg a day [R62][R94].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oliguria below about 500 mL a day [R95]; polyuria above 3000 mL a day [R96]; diabetes insipidus 5–20 L a day [R96].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above 500 mg/dL is rare (homozygous familial hypercholesterolaemia, lipoprotein X) [R97].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values of 116 mg/dL and more are seen in population cohorts [R30].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a fasting sample; 150 mg/dL is 1.7 mmol/L [U15].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method-dependent; above 5000 usually ischaemic or toxic injury [R98]; values above 32767 cannot be entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Healthy upper limits 29–33 IU/L (men), 19–25 IU/L (women) [R35].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jaundice is visible above 2.5–3 mg/dL [R37]; critical 15 [R46].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From agammaglobulinaemia to paraproteinaemia.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above 50,000 ug/L in 113 adults [R56]; values above 32767 ug/L (32767 pmol/L is 14,583 ug/L) cannot be entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congenital atransferrinaemia gives values near 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>urine protein in mg/L</source>
        <translation>Urinprotein in mg/L</translation>
    </message>
</context>
<context>
    <name>quarvex::DataEntryWindow</name>
    <message>
        <source>Clinical scenarios</source>
        <translation>Klinische Szenarien</translation>
    </message>
    <message>
        <source>Example Case</source>
        <translation>Beispielfall</translation>
    </message>
    <message>
        <source>Fill the fields with a patient of a clinical scenario</source>
        <translation>Die Felder mit einem Patienten eines klinischen Szenarios füllen</translation>
    </message>
    <message>
        <source>Iron Studies</source>
        <translation>Eisenstoffwechsel</translation>
    </message>
    <message>
        <source>Minerals</source>
        <translation>Mineralstoffe</translation>
    </message>
    <message>
        <source>Kidney Function</source>
        <translation>Nierenfunktion</translation>
    </message>
    <message>
        <source>Lipids</source>
        <translation>Lipide</translation>
    </message>
    <message>
        <source>Liver Functions</source>
        <translation>Leberfunktion</translation>
    </message>
    <message>
        <source>Urine Sample (24-hour)</source>
        <translation>Urinprobe (24-Stunden-Sammelurin)</translation>
    </message>
    <message>
        <source>Data Entry</source>
        <translation>Dateneingabe</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>Blut</translation>
    </message>
    <message>
        <source>Urine</source>
        <translation>Urin</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Open Case…</source>
        <translation>Fall öffnen…</translation>
    </message>
    <message>
        <source>Save Case</source>
        <translation>Fall speichern</translation>
    </message>
    <message>
        <source>Save Case As…</source>
        <translation>Fall speichern unter…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>BEENDEN</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Fall</translation>
    </message>
    <message>
        <source>Error count</source>
        <translation>Anzahl der Fehler</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Case: %1 (unsaved changes)</source>
        <translation>Fall: %1 (ungespeicherte Änderungen)</translation>
    </message>
    <message>
        <source>Case: %1</source>
        <translation>Fall: %1</translation>
    </message>
</context>
<context>
    <name>quarvex::Dialogs</name>
    <message>
        <source>Data entry incomplete</source>
        <translation>Dateneingabe unvollständig</translation>
    </message>
</context>
<context>
    <name>quarvex::DisclaimerWindow</name>
    <message>
        <source>This software is intended only for educational and personal use.</source>
        <translation>Diese Software ist nur für Lehre und persönlichen Gebrauch bestimmt.</translation>
    </message>
    <message>
        <source> It is not intended for making clinical decisions pertaining to diagnosis, care, or management.</source>
        <translation> Sie ist nicht dafür gedacht, klinische Entscheidungen über Diagnose, Versorgung oder Behandlung zu treffen.</translation>
    </message>
    <message>
        <source> Outcomes may vary with other sources and are impacted by newer developments in diagnostics and therapeutics.</source>
        <translation> Ergebnisse können je nach Quelle abweichen und werden von neueren Entwicklungen in Diagnostik und Therapie beeinflusst.</translation>
    </message>
    <message>
        <source> These should be validated prior to use.</source>
        <translation> Sie sollten vor der Verwendung überprüft werden.</translation>
    </message>
    <message>
        <source> Although every attempt has been made to provide the latest algorithms possible and to ensure the accuracy of calculations,</source>
        <translation> Obwohl alles versucht wurde, möglichst aktuelle Algorithmen bereitzustellen und die Richtigkeit der Berechnungen sicherzustellen,</translation>
    </message>
    <message>
        <source> the author of this software is not liable for the results generated.</source>
        <translation> haftet der Autor dieser Software nicht für die erzeugten Ergebnisse.</translation>
    </message>
    <message>
        <source> Likewise, while every effort has been made to make sure this program won&apos;t interfere with the normal functioning of the</source>
        <translation> Ebenso ist der Autor dieser Software, obwohl alles getan wurde, damit dieses Programm das normale Funktionieren des</translation>
    </message>
    <message>
        <source> underlying operating system and other programs running,</source>
        <translation> zugrunde liegenden Betriebssystems und anderer laufender Programme nicht stört,</translation>
    </message>
    <message>
        <source> the author of this software won&apos;t be responsible for any problems that may occur either directly or indirectly as a result of </source>
        <translation> nicht verantwortlich für Probleme, die direkt oder indirekt als Folge </translation>
    </message>
    <message>
        <source> running this program.</source>
        <translation> der Ausführung dieses Programms auftreten.</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>quarvex::Exercise</name>
    <message>
        <source>A woman</source>
        <translation>Eine Frau</translation>
    </message>
    <message>
        <source>A man</source>
        <translation>Ein Mann</translation>
    </message>
    <message>
        <source>A patient</source>
        <translation>Eine Person</translation>
    </message>
    <message>
        <source>An %1-year-old woman</source>
        <translation>Eine %1-jährige Frau</translation>
    </message>
    <message>
        <source>An %1-year-old man</source>
        <translation>Ein %1-jähriger Mann</translation>
    </message>
    <message>
        <source>An %1-year-old patient</source>
        <translation>Eine Person von %1 Jahren</translation>
    </message>
    <message>
        <source>A %1-year-old woman</source>
        <translation>Eine %1-jährige Frau</translation>
    </message>
    <message>
        <source>A %1-year-old man</source>
        <translation>Ein %1-jähriger Mann</translation>
    </message>
    <message>
        <source>A %1-year-old patient</source>
        <translation>Eine Person von %1 Jahren</translation>
    </message>
</context>
<context>
    <name>quarvex::ExplainWindow</name>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
</context>
<context>
    <name>quarvex::Export</name>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>quarvex::FieldMarks</name>
    <message>
        <source>%1: at fault</source>
        <translation>%1: fehlerhaft</translation>
    </message>
    <message>
        <source>%1: value to check</source>
        <translation>%1: Wert prüfen</translation>
    </message>
</context>
<context>
    <name>quarvex::Finding</name>
    <message>
        <source>not chosen</source>
        <translation>nicht gewählt</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>A typed text, in quotes, and the choices of a list: &quot;&quot;st&quot; is not one of kg, lbs&quot;.</extracomment>
        <translation>%1 ist keine der Möglichkeiten %2</translation>
    </message>
    <message>
        <source>%1: the result is not a finite number, so there is none</source>
        <extracomment>An item&apos;s list name, then why it has no result.</extracomment>
        <translation>%1: Das Ergebnis ist keine endliche Zahl, daher gibt es keines</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A value field that holds nothing.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1 is not a number. Type a number such as %2.</source>
        <extracomment>The typed text in quotes, then an example number in the user&apos;s format (&quot;1,2&quot;).</extracomment>
        <translation>%1 ist keine Zahl. Geben Sie eine Zahl wie %2 ein.</translation>
    </message>
    <message>
        <source>%1 is out of range (the smallest value accepted is -32768).</source>
        <translation>%1 liegt außerhalb des Bereichs (der kleinste angenommene Wert ist -32768).</translation>
    </message>
    <message>
        <source>%1 is too large (the largest value accepted is 32767).</source>
        <translation>%1 ist zu groß (der größte angenommene Wert ist 32767).</translation>
    </message>
    <message>
        <source>%1 is too small (the smallest value accepted is 1e-300).</source>
        <translation>%1 ist zu klein (der kleinste angenommene Wert ist 1e-300).</translation>
    </message>
    <message>
        <source>%1 is not a positive number</source>
        <translation>%1 ist keine positive Zahl</translation>
    </message>
</context>
<context>
    <name>quarvex::Hint</name>
    <message>
        <source>no adult reference interval for a random urine sample</source>
        <translation>kein Referenzbereich für Erwachsene bei Spontanurin</translation>
    </message>
    <message>
        <source>most patients have about</source>
        <translation>die meisten Patienten haben etwa</translation>
    </message>
    <message>
        <source>adults are</source>
        <translation>Erwachsene sind</translation>
    </message>
    <message>
        <source>most adults weigh about</source>
        <translation>die meisten Erwachsenen wiegen etwa</translation>
    </message>
    <message>
        <source>24-hour urine</source>
        <translation>24-Stunden-Urin</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>desirable</source>
        <translation>wünschenswert</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>high</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>optimal</source>
        <translation>optimal</translation>
    </message>
    <message>
        <source>fasting</source>
        <translation>nüchtern</translation>
    </message>
    <message>
        <source>Direct bilirubin</source>
        <translation>Direktes Bilirubin</translation>
    </message>
    <message>
        <source>total bilirubin</source>
        <translation>Gesamtbilirubin</translation>
    </message>
    <message>
        <source>HDL cholesterol</source>
        <translation>HDL-Cholesterin</translation>
    </message>
    <message>
        <source>total cholesterol</source>
        <translation>Gesamtcholesterin</translation>
    </message>
    <message>
        <source>LDL cholesterol</source>
        <translation>LDL-Cholesterin</translation>
    </message>
    <message>
        <source>HDL plus LDL cholesterol</source>
        <translation>HDL- plus LDL-Cholesterin</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>TIBC</source>
        <translation>TEBK</translation>
    </message>
    <message>
        <source>below %1</source>
        <translation>unter %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>bis %1</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <translation>%1 oder mehr</translation>
    </message>
    <message>
        <source>men</source>
        <translation>Männer</translation>
    </message>
    <message>
        <source>women</source>
        <translation>Frauen</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>Schätzung</translation>
    </message>
    <message>
        <source>Did you mean %1 (%2)?</source>
        <extracomment>A typed number read in another unit, and its value in the typed unit.</extracomment>
        <translation>Meinten Sie %1 (%2)?</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>Meinten Sie %1?</translation>
    </message>
    <message>
        <source>Adult reference: none (%1)</source>
        <extracomment>%1 says why there is none (&quot;no adult reference interval for a random urine sample&quot;).</extracomment>
        <translation>Referenzbereich Erwachsene: keiner (%1)</translation>
    </message>
    <message>
        <source>Adult reference: %1</source>
        <extracomment>%1 is one interval or more, separated by &quot;; &quot;: &quot;0.7–1.3 mg/dL (men)&quot;.</extracomment>
        <translation>Referenzbereich Erwachsene: %1</translation>
    </message>
    <message>
        <source>%1 %2 is below any value seen in patients (down to %3).</source>
        <translation>%1 %2 liegt unter jedem bei Patienten gesehenen Wert (bis hinab zu %3).</translation>
    </message>
    <message>
        <source>%1 %2 is below any value expected in patients (down to about %3).</source>
        <translation>%1 %2 liegt unter jedem bei Patienten zu erwartenden Wert (bis hinab zu etwa %3).</translation>
    </message>
    <message>
        <source>%1 %2 is above any value seen in patients (up to %3).</source>
        <translation>%1 %2 liegt über jedem bei Patienten gesehenen Wert (bis %3).</translation>
    </message>
    <message>
        <source>%1 %2 is above any value expected in patients (up to about %3).</source>
        <translation>%1 %2 liegt über jedem bei Patienten zu erwartenden Wert (bis etwa %3).</translation>
    </message>
    <message>
        <source>%1 %2 is far above the values seen in patients.</source>
        <translation>%1 %2 liegt weit über den bei Patienten gesehenen Werten.</translation>
    </message>
    <message>
        <source>%1 %2 is far below the values seen in patients.</source>
        <translation>%1 %2 liegt weit unter den bei Patienten gesehenen Werten.</translation>
    </message>
    <message>
        <source>%1 %2 is rare: %3 %4.</source>
        <extracomment>%3 names the typical range (&quot;most patients have about&quot;), %4 is the range.</extracomment>
        <translation>%1 %2 ist selten: %3 %4.</translation>
    </message>
    <message>
        <source>%1 %2 is above %3 %4. A value may be mistyped or in the wrong unit.</source>
        <extracomment>A part (HDL cholesterol) above its whole (total cholesterol), each with its value.</extracomment>
        <translation>%1 %2 liegt über %3 %4. Ein Wert ist vielleicht vertippt oder in der falschen Einheit.</translation>
    </message>
</context>
<context>
    <name>quarvex::Item</name>
    <message>
        <source>Cholesterol Level Interpretation</source>
        <translation>Bewertung der Cholesterinwerte</translation>
    </message>
    <message>
        <source>Total Cholesterol</source>
        <translation>Gesamtcholesterin</translation>
    </message>
    <message>
        <source>HDL Cholesterol</source>
        <translation>HDL-Cholesterin</translation>
    </message>
    <message>
        <source>LDL Cholesterol</source>
        <translation>LDL-Cholesterin</translation>
    </message>
    <message>
        <source>Total Cholesterol-to-HDL Cholesterol Ratio</source>
        <translation>Quotient Gesamt-/HDL-Cholesterin</translation>
    </message>
    <message>
        <source>LDL Cholesterol-to-HDL Cholesterol Ratio</source>
        <translation>Quotient LDL-/HDL-Cholesterin</translation>
    </message>
    <message>
        <source>LDL to HDL ratio</source>
        <translation>Quotient LDL/HDL</translation>
    </message>
    <message>
        <source>Adult Treatment Panel III Classification</source>
        <translation>Klassifikation nach ATP III</translation>
    </message>
    <message>
        <source>ATP3: Total Cholesterol</source>
        <translation>ATP III: Gesamtcholesterin</translation>
    </message>
    <message>
        <source>ATP3 :HDL Cholesterol</source>
        <translation>ATP III: HDL-Cholesterin</translation>
    </message>
    <message>
        <source>ATP3: LDL Cholesterol</source>
        <translation>ATP III: LDL-Cholesterin</translation>
    </message>
    <message>
        <source>Non-HDL Cholesterol</source>
        <translation>Non-HDL-Cholesterin</translation>
    </message>
    <message>
        <source>LDL Cholesterol (Friedewald)</source>
        <translation>LDL-Cholesterin (Friedewald)</translation>
    </message>
    <message>
        <source>LDL Cholesterol (Sampson)</source>
        <translation>LDL-Cholesterin (Sampson)</translation>
    </message>
    <message>
        <source>AST-to-ALT (SGOT-to-SGPT) Ratio</source>
        <translation>Quotient AST/ALT (GOT/GPT)</translation>
    </message>
    <message>
        <source>AST to ALT ratio</source>
        <translation>Quotient AST/ALT</translation>
    </message>
    <message>
        <source>Serum Albumin-to-Globulin Ratio</source>
        <translation>Quotient Albumin/Globulin (Serum)</translation>
    </message>
    <message>
        <source>Albumin to Globulin ratio</source>
        <translation>Quotient Albumin/Globulin</translation>
    </message>
    <message>
        <source>Serum Direct -to- Total Bilirubin Ratio</source>
        <translation>Quotient direktes/Gesamtbilirubin</translation>
    </message>
    <message>
        <source>Bilirubin to Bilirubin ratio</source>
        <translation>Quotient direktes Bilirubin/Gesamtbilirubin</translation>
    </message>
    <message>
        <source>Serum Ferritin and Estimate of Iron Stores</source>
        <translation>Serum-Ferritin und Eisenspeicher</translation>
    </message>
    <message>
        <source>Ferritin Stores</source>
        <translation>Ferritin, Körpereisenspeicher</translation>
    </message>
    <message>
        <source>Serum Transferrin Saturation</source>
        <translation>Transferrinsättigung im Serum</translation>
    </message>
    <message>
        <source>Transferrin Saturation</source>
        <translation>Transferrinsättigung</translation>
    </message>
    <message>
        <source>Total Iron Binding Capacity (TIBC)</source>
        <translation>Eisenbindungskapazität (TEBK)</translation>
    </message>
    <message>
        <source>Total Iron Binding Capacity</source>
        <translation>Totale Eisenbindungskapazität</translation>
    </message>
    <message>
        <source>Transferrin</source>
        <translation>Transferrin</translation>
    </message>
    <message>
        <source>Transferrin Calculated</source>
        <translation>Transferrin, berechnet</translation>
    </message>
    <message>
        <source>Amylase Clearance to Creatinine Clearance</source>
        <translation>Amylase-/Kreatinin-Clearance</translation>
    </message>
    <message>
        <source>Amylase Clearance</source>
        <translation>Amylase-Clearance</translation>
    </message>
    <message>
        <source>Creatinine Clearance Estimated (GFR)</source>
        <translation>Kreatinin-Clearance (GFR)</translation>
    </message>
    <message>
        <source>Creatinine Clearance (GFR)</source>
        <translation>Kreatinin-Clearance (GFR)</translation>
    </message>
    <message>
        <source>Fractional Potassium Excretion</source>
        <translation>Fraktionelle Kaliumausscheidung</translation>
    </message>
    <message>
        <source>Renal Calcium Clearance to Creatinine Clearance</source>
        <translation>Calcium-/Kreatinin-Clearance</translation>
    </message>
    <message>
        <source>Renal Calcium Clearance</source>
        <translation>Calcium-Clearance</translation>
    </message>
    <message>
        <source>Renal Failure Index (RFI)</source>
        <translation>Renal Failure Index (RFI)</translation>
    </message>
    <message>
        <source>Renal Failure Index</source>
        <translation>Renal Failure Index</translation>
    </message>
    <message>
        <source>Fractional Sodium Excretion</source>
        <translation>Fraktionelle Natriumausscheidung</translation>
    </message>
    <message>
        <source>Phosphorus Clearance Estimated</source>
        <translation>Geschätzte Phosphat-Clearance</translation>
    </message>
    <message>
        <source>Phosphorus Clearance</source>
        <translation>Phosphat-Clearance</translation>
    </message>
    <message>
        <source>eGFR (CKD-EPI 2021)</source>
        <translation>eGFR (CKD-EPI 2021)</translation>
    </message>
    <message>
        <source>Fractional Urea Excretion</source>
        <translation>Fraktionelle Harnstoffausscheidung</translation>
    </message>
    <message>
        <source>Uric Acid-to-Creatinine Ratio</source>
        <translation>Quotient Harnsäure/Kreatinin</translation>
    </message>
    <message>
        <source>Urate to Creatinine Ratio</source>
        <translation>Quotient Harnsäure/Kreatinin</translation>
    </message>
    <message>
        <source>Urinary Potassium Excretion Rate</source>
        <translation>Kaliumausscheidungsrate (Urin)</translation>
    </message>
    <message>
        <source>Urinary Potassium Excretion</source>
        <translation>Kaliumausscheidung im Urin</translation>
    </message>
    <message>
        <source>Urea Nitrogen and Creatinine Ratios</source>
        <translation>Harnstoff-Stickstoff/Kreatinin</translation>
    </message>
    <message>
        <source>Urea to Creatinine Ratio</source>
        <translation>Quotient Harnstoff-Stickstoff/Kreatinin</translation>
    </message>
    <message>
        <source>Creatinine to Creatinine Ratio</source>
        <translation>Quotient Urin-Kreatinin/Serum-Kreatinin</translation>
    </message>
    <message>
        <source>Urea to Urea Ratio</source>
        <translation>Quotient Urin-Harnstoff/Serum-Harnstoff</translation>
    </message>
    <message>
        <source>Urine Protein to Urine Creatinine Ratio</source>
        <translation>Quotient Urin-Protein/-Kreatinin</translation>
    </message>
    <message>
        <source>Urine Protein to Creatinine Ratio</source>
        <translation>Quotient Urin-Protein/Kreatinin</translation>
    </message>
    <message>
        <source>Proteinuria Category (KDIGO)</source>
        <translation>Proteinurie-Kategorie (KDIGO)</translation>
    </message>
</context>
<context>
    <name>quarvex::ItemListWindow</name>
    <message>
        <source>Test Results</source>
        <translation>Testergebnisse</translation>
    </message>
    <message>
        <source>Computable items</source>
        <translation>Berechenbare Tests</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cannot be computed</source>
        <translation>Nicht berechenbar</translation>
    </message>
    <message>
        <source>These are the items for which calculations can be made. If an item is missing it&apos;s because the required data wasn&apos;t entered or correctly put in. Click the cancel button to return to the Data Entry form and enter the missing or incorrect data. Press the OK button to continue with the calculations.</source>
        <translation>Für diese Tests können Berechnungen durchgeführt werden. Fehlt ein Test, wurden die nötigen Daten nicht oder nicht richtig eingegeben. Mit „Abbrechen“ geht es zurück zur Dateneingabe, um fehlende oder falsche Daten einzugeben. Mit „OK“ werden die Berechnungen fortgesetzt.</translation>
    </message>
    <message>
        <source>There are no items for which calculations can be made because the required data wasn&apos;t entered or correctly put in. Click the cancel button to return to the Data Entry form and enter the missing or incorrect data.</source>
        <translation>Für keinen Test können Berechnungen durchgeführt werden, weil die nötigen Daten nicht oder nicht richtig eingegeben wurden. Mit „Abbrechen“ geht es zurück zur Dateneingabe, um fehlende oder falsche Daten einzugeben.</translation>
    </message>
</context>
<context>
    <name>quarvex::KidneyScreen</name>
    <message>
        <source>Renal &amp; Urinary System</source>
        <translation>Niere und Harnwege</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Mehr Informationen</translation>
    </message>
    <message>
        <source>Serum Values</source>
        <translation>Serumwerte</translation>
    </message>
    <message>
        <source>Urine Values</source>
        <translation>Urinwerte</translation>
    </message>
</context>
<context>
    <name>quarvex::LiverScreen</name>
    <message>
        <source>Serum Values</source>
        <translation>Serumwerte</translation>
    </message>
</context>
<context>
    <name>quarvex::Note</name>
    <message>
        <source>dated</source>
        <extracomment>The tag of a note whose evidence is old, shown in its place.</extracomment>
        <translation>veraltet</translation>
    </message>
    <message>
        <source>no source</source>
        <extracomment>The tag of a note on a value without a published source.</extracomment>
        <translation>ohne Quelle</translation>
    </message>
</context>
<context>
    <name>quarvex::OverviewWindows</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>The case could not be opened from %1.<byte value="xd"/><byte value="xd"/>%2%3</source>
        <translation>Der Fall konnte nicht aus %1 geöffnet werden.<byte value="xd"/><byte value="xd"/>%2%3</translation>
    </message>
    <message>
        <source>The case could not be saved to %1.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Der Fall konnte nicht in %1 gespeichert werden.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The results could not be printed.</source>
        <translation>Die Ergebnisse konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Die Ergebnisse konnten nicht in %1 gespeichert werden.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The pages could not be drawn.</source>
        <translation>Die Seiten konnten nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Case: %1</source>
        <translation>Fall: %1</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>%1 ersetzen?</translation>
    </message>
    <message>
        <source>The results could not be written to %1.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Die Ergebnisse konnten nicht in %1 geschrieben werden.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Enter the name and full path of the file for export.<byte value="xd"/><byte value="xd"/>Note: data will be saved in a tab-delimited format.</source>
        <translation>Name und vollständigen Pfad der Exportdatei eingeben.<byte value="xd"/><byte value="xd"/>Hinweis: Die Daten werden tabulatorgetrennt gespeichert.</translation>
    </message>
    <message>
        <source>Export Test Results</source>
        <translation>Testergebnisse exportieren</translation>
    </message>
    <message>
        <source>Data export completed succesfully.</source>
        <translation>Datenexport erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Test Results Export</source>
        <translation>Export der Testergebnisse</translation>
    </message>
    <message>
        <source>Save changes to the case?</source>
        <translation>Änderungen am Fall speichern?</translation>
    </message>
    <message>
        <source>Clear every field? The changes are not saved in a case and will be lost.</source>
        <translation>Alle Felder leeren? Die Änderungen sind in keinem Fall gespeichert und gehen verloren.</translation>
    </message>
    <message>
        <source>Quarvex cases (*.quarvex)</source>
        <translation>Quarvex-Fälle (*.quarvex)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Open Case</source>
        <translation>Fall öffnen</translation>
    </message>
    <message>
        <source>Save Case As</source>
        <translation>Fall speichern unter</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Quarvex Test Results</source>
        <translation>Quarvex-Testergebnisse</translation>
    </message>
    <message>
        <source>No test item can be computed from the values entered.</source>
        <translation>Aus den eingegebenen Werten lässt sich kein Test berechnen.</translation>
    </message>
</context>
<context>
    <name>quarvex::Practice</name>
    <message>
        <source>%1 %2 %3 as %4 in %5</source>
        <translation>%1 %2 %3 als %4 in %5</translation>
    </message>
    <message>
        <source>%1 %2 %3 in %4</source>
        <translation>%1 %2 %3 in %4</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (the units cancel: no conversion)</source>
        <translation>%1 (die Einheiten kürzen sich: keine Umrechnung)</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1, as the result shows it</source>
        <translation>%1, wie im Ergebnis angegeben</translation>
    </message>
    <message>
        <source>%1, as a whole number as the result shows it</source>
        <translation>%1, als ganze Zahl wie im Ergebnis</translation>
    </message>
    <message>
        <source>%1, to 1 decimal as the result shows it</source>
        <translation>%1, auf 1 Dezimalstelle wie im Ergebnis</translation>
    </message>
    <message>
        <source>%1, to %2 decimals as the result shows it</source>
        <translation>%1, auf %2 Dezimalstellen wie im Ergebnis</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 mit %2</translation>
    </message>
    <message>
        <source>Which interpretation does %1 give?</source>
        <translation>Welche Bewertung ergibt %1?</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A step of one result row among several: the row&apos;s symbol and the step (&quot;CrCl: Step 1&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>%1 = %2 for Male, %3 for Female</source>
        <extracomment>A gender constant of a formula: its symbol, the men&apos;s and the women&apos;s value.</extracomment>
        <translation>%1 = %2 für Männer, %3 für Frauen</translation>
    </message>
</context>
<context>
    <name>quarvex::PracticeStepsArea</name>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
</context>
<context>
    <name>quarvex::PracticeWindow</name>
    <message>
        <source>Case %1: %2</source>
        <translation>Fall %1: %2</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Gegeben</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Gezeigt</translation>
    </message>
    <message>
        <source>Mark of %1: none yet</source>
        <translation>Bewertung von %1: noch keine</translation>
    </message>
    <message>
        <source>Mark of %1: %2</source>
        <translation>Bewertung von %1: %2</translation>
    </message>
    <message>
        <source>Feedback on %1: %2</source>
        <translation>Rückmeldung zu %1: %2</translation>
    </message>
    <message>
        <source>%1 (given)</source>
        <translation>%1 (gegeben)</translation>
    </message>
    <message>
        <source>%1 of %2 steps right.</source>
        <translation>%1 von %2 Schritten richtig.</translation>
    </message>
    <message>
        <source>Well done: try the next level.</source>
        <translation>Gut gemacht: versuchen Sie die nächste Stufe.</translation>
    </message>
    <message>
        <source>Well done.</source>
        <translation>Gut gemacht.</translation>
    </message>
    <message>
        <source>Mend the steps marked Wrong, or try the same level with a new case.</source>
        <translation>Verbessern Sie die als Falsch bewerteten Schritte oder versuchen Sie dieselbe Stufe mit einem neuen Fall.</translation>
    </message>
    <message>
        <source>Every step is done; try the same level with a new case.</source>
        <translation>Alle Schritte sind erledigt; versuchen Sie dieselbe Stufe mit einem neuen Fall.</translation>
    </message>
    <message>
        <source>Answer the steps still open, then Check.</source>
        <translation>Beantworten Sie die noch offenen Schritte, dann Prüfen.</translation>
    </message>
    <message>
        <source>Every step shown.</source>
        <translation>Alle Schritte gezeigt.</translation>
    </message>
    <message>
        <source>Nothing answered yet: type an answer into a step, then Check.</source>
        <translation>Noch nichts beantwortet: geben Sie bei einem Schritt eine Antwort ein, dann Prüfen.</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>Count carried answers as &amp;right</source>
        <translation>Übertragene Antworten als &amp;richtig zählen</translation>
    </message>
    <message>
        <source>Count carried answers as right</source>
        <translation>Übertragene Antworten als richtig zählen</translation>
    </message>
    <message>
        <source>A step worked right from your own earlier wrong answer counts as right.</source>
        <translation>Ein Schritt, der aus Ihrer eigenen früheren falschen Antwort richtig gerechnet ist, zählt als richtig.</translation>
    </message>
    <message>
        <source>Carried</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>%1 right from your earlier answers, %2 fully right.</source>
        <translation>%1 richtig aus Ihren früheren Antworten, %2 ganz richtig.</translation>
    </message>
    <message>
        <source>1: the formula (conversions given)</source>
        <translation>1: die Formel (Umrechnungen vorgegeben)</translation>
    </message>
    <message>
        <source>2: the conversions too</source>
        <translation>2: auch die Umrechnungen</translation>
    </message>
    <message>
        <source>3: only result and interpretation</source>
        <translation>3: nur Ergebnis und Bewertung</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Show st&amp;ep</source>
        <translation>Schritt &amp;zeigen</translation>
    </message>
    <message>
        <source>Show step</source>
        <translation>Schritt zeigen</translation>
    </message>
    <message>
        <source>&amp;New case</source>
        <translation>&amp;Neuer Fall</translation>
    </message>
    <message>
        <source>New case</source>
        <translation>Neuer Fall</translation>
    </message>
    <message>
        <source>W&amp;orksheet…</source>
        <translation>&amp;Arbeitsblatt…</translation>
    </message>
    <message>
        <source>Worksheet…</source>
        <translation>Arbeitsblatt…</translation>
    </message>
    <message>
        <source>From s&amp;heet…</source>
        <translation>Aus &amp;Blatt…</translation>
    </message>
    <message>
        <source>From sheet…</source>
        <translation>Aus Blatt…</translation>
    </message>
    <message>
        <source>&amp;Worked Steps</source>
        <translation>&amp;Rechenweg</translation>
    </message>
    <message>
        <source>Worked Steps</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Next &amp;level</source>
        <translation>Nächste &amp;Stufe</translation>
    </message>
    <message>
        <source>Next level</source>
        <translation>Nächste Stufe</translation>
    </message>
    <message>
        <source>&amp;Same level, new case</source>
        <translation>&amp;Gleiche Stufe, neuer Fall</translation>
    </message>
    <message>
        <source>Same level, new case</source>
        <translation>Gleiche Stufe, neuer Fall</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>&amp;Item:</source>
        <translation>&amp;Test:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Le&amp;vel:</source>
        <translation>St&amp;ufe:</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Fallnummer</translation>
    </message>
    <message>
        <source>The same number gives the same case to everyone.</source>
        <translation>Dieselbe Nummer ergibt für alle denselben Fall.</translation>
    </message>
    <message>
        <source>Case n&amp;umber:</source>
        <translation>Fall&amp;nummer:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Exercise from a Sheet</source>
        <translation>Aufgabe von einem Arbeitsblatt</translation>
    </message>
    <message>
        <source>Worksheet files (*.json)</source>
        <translation>Arbeitsblatt-Dateien (*.json)</translation>
    </message>
    <message>
        <source>The exercise&apos;s code, as printed beside it (such as K7Q4-12-1C):</source>
        <translation>Der Code der Aufgabe, wie er neben ihr gedruckt ist (etwa K7Q4-12-1C):</translation>
    </message>
    <message>
        <source>The file is too large to be a sheet file.</source>
        <translation>Die Datei ist zu groß für eine Arbeitsblatt-Datei.</translation>
    </message>
    <message>
        <source>No exercise was opened from %1.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Aus %1 wurde keine Aufgabe geöffnet.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Antwort: %1</translation>
    </message>
    <message>
        <source>The answer is %1. A shown step counts as not answered.</source>
        <translation>Die Antwort ist %1. Ein gezeigter Schritt zählt als nicht beantwortet.</translation>
    </message>
    <message>
        <source>%1 of %2 exercises right first time</source>
        <translation>%1 von %2 Aufgaben beim ersten Mal richtig</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>quarvex::QtDialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quarvex::ResultGrid</name>
    <message>
        <source>Test results</source>
        <translation>Testergebnisse</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>quarvex::ResultsModel</name>
    <message>
        <source>Test Item</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>quarvex::ResultsWindow</name>
    <message>
        <source>Select a row to see how its result was worked out.</source>
        <translation>Eine Zeile wählen, um zu sehen, wie ihr Ergebnis berechnet wurde.</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Testergebnisse</translation>
    </message>
    <message>
        <source>Test Item</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Values to check</source>
        <translation>Zu prüfende Werte</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken …</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>PDF speichern …</translation>
    </message>
    <message>
        <source>Include worked steps</source>
        <translation>Mit Rechenweg</translation>
    </message>
    <message>
        <source>Worked steps of the selected row</source>
        <translation>Rechenweg der gewählten Zeile</translation>
    </message>
    <message>
        <source>Results and worked steps</source>
        <translation>Ergebnisse und Rechenweg</translation>
    </message>
    <message>
        <source>Check: %1</source>
        <translation>Prüfen: %1</translation>
    </message>
</context>
<context>
    <name>quarvex::Scenario</name>
    <message>
        <source>Healthy adult</source>
        <translation>Gesunde erwachsene Person</translation>
    </message>
    <message>
        <source>an adult without known disease</source>
        <translation>eine erwachsene Person ohne bekannte Erkrankung</translation>
    </message>
    <message>
        <source>CKD G2</source>
        <translation>CKD G2</translation>
    </message>
    <message>
        <source>chronic kidney disease, eGFR 60-89</source>
        <translation>chronische Nierenerkrankung, eGFR 60-89</translation>
    </message>
    <message>
        <source>CKD G3a</source>
        <translation>CKD G3a</translation>
    </message>
    <message>
        <source>chronic kidney disease, eGFR 45-59</source>
        <translation>chronische Nierenerkrankung, eGFR 45-59</translation>
    </message>
    <message>
        <source>CKD G3b</source>
        <translation>CKD G3b</translation>
    </message>
    <message>
        <source>chronic kidney disease, eGFR 30-44</source>
        <translation>chronische Nierenerkrankung, eGFR 30-44</translation>
    </message>
    <message>
        <source>CKD G4</source>
        <translation>CKD G4</translation>
    </message>
    <message>
        <source>chronic kidney disease, eGFR 15-29</source>
        <translation>chronische Nierenerkrankung, eGFR 15-29</translation>
    </message>
    <message>
        <source>CKD G5</source>
        <translation>CKD G5</translation>
    </message>
    <message>
        <source>kidney failure, eGFR below 15</source>
        <translation>Nierenversagen, eGFR unter 15</translation>
    </message>
    <message>
        <source>Prerenal acute kidney injury</source>
        <translation>Prärenale akute Nierenschädigung</translation>
    </message>
    <message>
        <source>BUN/creatinine above 20, FENa below 1 %, FEUrea below 35 %, concentrated urine</source>
        <translation>BUN/Kreatinin über 20, FENa unter 1 %, FEUrea unter 35 %, konzentrierter Urin</translation>
    </message>
    <message>
        <source>Acute tubular necrosis</source>
        <translation>Akute Tubulusnekrose</translation>
    </message>
    <message>
        <source>FENa above 2 %, FEUrea above 50 %, dilute urine</source>
        <translation>FENa über 2 %, FEUrea über 50 %, verdünnter Urin</translation>
    </message>
    <message>
        <source>Nephrotic syndrome</source>
        <translation>Nephrotisches Syndrom</translation>
    </message>
    <message>
        <source>heavy proteinuria, low albumin, raised LDL</source>
        <translation>große Proteinurie, niedriges Albumin, erhöhtes LDL</translation>
    </message>
    <message>
        <source>SIADH-like hyponatraemia</source>
        <translation>SIADH-artige Hyponatriämie</translation>
    </message>
    <message>
        <source>low sodium, low urate and urea, urine sodium not low</source>
        <translation>niedriges Natrium, niedrige Harnsäure und niedriger Harnstoff, Urin-Natrium nicht niedrig</translation>
    </message>
    <message>
        <source>Hypokalaemia, renal loss</source>
        <translation>Hypokaliämie, renaler Verlust</translation>
    </message>
    <message>
        <source>low potassium with potassium still in the urine</source>
        <translation>niedriges Kalium, dennoch Kalium im Urin</translation>
    </message>
    <message>
        <source>Hypokalaemia, extrarenal loss</source>
        <translation>Hypokaliämie, extrarenaler Verlust</translation>
    </message>
    <message>
        <source>low potassium with little potassium in the urine</source>
        <translation>niedriges Kalium mit wenig Kalium im Urin</translation>
    </message>
    <message>
        <source>Tumour lysis</source>
        <translation>Tumorlyse</translation>
    </message>
    <message>
        <source>very high urate, urine urate above urine creatinine</source>
        <translation>sehr hohe Harnsäure, Urin-Harnsäure über Urin-Kreatinin</translation>
    </message>
    <message>
        <source>Hypertriglyceridaemia</source>
        <translation>Hypertriglyceridämie</translation>
    </message>
    <message>
        <source>triglycerides 250-1500 mg/dL, low HDL</source>
        <translation>Triglyceride 250-1500 mg/dL, niedriges HDL</translation>
    </message>
    <message>
        <source>Familial hypercholesterolaemia</source>
        <translation>Familiäre Hypercholesterinämie</translation>
    </message>
    <message>
        <source>LDL 190-400 mg/dL</source>
        <translation>LDL 190-400 mg/dL</translation>
    </message>
    <message>
        <source>Low HDL, metabolic syndrome</source>
        <translation>Niedriges HDL, metabolisches Syndrom</translation>
    </message>
    <message>
        <source>low HDL, raised triglycerides, high BMI</source>
        <translation>niedriges HDL, erhöhte Triglyceride, hoher BMI</translation>
    </message>
    <message>
        <source>On lipid-lowering treatment</source>
        <translation>Unter lipidsenkender Therapie</translation>
    </message>
    <message>
        <source>very low LDL on a statin and a PCSK9 inhibitor</source>
        <translation>sehr niedriges LDL unter einem Statin und einem PCSK9-Hemmer</translation>
    </message>
    <message>
        <source>Cholestasis</source>
        <translation>Cholestase</translation>
    </message>
    <message>
        <source>raised bilirubin, mostly direct</source>
        <translation>erhöhtes Bilirubin, überwiegend direkt</translation>
    </message>
    <message>
        <source>Acute viral hepatitis</source>
        <translation>Akute Virushepatitis</translation>
    </message>
    <message>
        <source>ALT in the hundreds or thousands, AST/ALT below 0.8</source>
        <translation>ALT im Hunderter- bis Tausenderbereich, AST/ALT unter 0,8</translation>
    </message>
    <message>
        <source>Alcoholic liver disease</source>
        <translation>Alkoholische Lebererkrankung</translation>
    </message>
    <message>
        <source>AST/ALT above 1.5, low albumin</source>
        <translation>AST/ALT über 1,5, niedriges Albumin</translation>
    </message>
    <message>
        <source>Haemolysis</source>
        <translation>Hämolyse</translation>
    </message>
    <message>
        <source>raised bilirubin, mostly indirect</source>
        <translation>erhöhtes Bilirubin, überwiegend indirekt</translation>
    </message>
    <message>
        <source>Iron deficiency</source>
        <translation>Eisenmangel</translation>
    </message>
    <message>
        <source>low ferritin, low saturation, high TIBC</source>
        <translation>niedriges Ferritin, niedrige Sättigung, hohe TEBK</translation>
    </message>
    <message>
        <source>Anaemia of chronic disease</source>
        <translation>Anämie bei chronischer Erkrankung</translation>
    </message>
    <message>
        <source>low saturation and TIBC, normal or high ferritin</source>
        <translation>niedrige Sättigung und TEBK, normales oder hohes Ferritin</translation>
    </message>
    <message>
        <source>Haemochromatosis</source>
        <translation>Hämochromatose</translation>
    </message>
    <message>
        <source>saturation above 55 %, high ferritin</source>
        <translation>Sättigung über 55 %, hohes Ferritin</translation>
    </message>
    <message>
        <source>Acute pancreatitis</source>
        <translation>Akute Pankreatitis</translation>
    </message>
    <message>
        <source>serum amylase 300-3000 U/L, clearance ratio above 5 %</source>
        <translation>Serum-Amylase 300-3000 U/L, Clearance-Quotient über 5 %</translation>
    </message>
    <message>
        <source>Macroamylasaemia</source>
        <translation>Makroamylasämie</translation>
    </message>
    <message>
        <source>raised serum amylase, clearance ratio below 1 %</source>
        <translation>erhöhte Serum-Amylase, Clearance-Quotient unter 1 %</translation>
    </message>
    <message>
        <source>%1 seen in the kidney clinic</source>
        <comment>a woman</comment>
        <translation>%1, die in der Nierenambulanz betreut wird</translation>
    </message>
    <message>
        <source>%1 seen in the kidney clinic</source>
        <comment>a man</comment>
        <translation>%1, der in der Nierenambulanz betreut wird</translation>
    </message>
    <message>
        <source>%1 seen in the kidney clinic</source>
        <comment>a patient</comment>
        <translation>%1, die in der Nierenambulanz betreut wird</translation>
    </message>
    <message>
        <source>%1 admitted after three days of vomiting</source>
        <comment>a woman</comment>
        <translation>%1, die nach drei Tagen Erbrechen aufgenommen wurde</translation>
    </message>
    <message>
        <source>%1 admitted after three days of vomiting</source>
        <comment>a man</comment>
        <translation>%1, der nach drei Tagen Erbrechen aufgenommen wurde</translation>
    </message>
    <message>
        <source>%1 admitted after three days of vomiting</source>
        <comment>a patient</comment>
        <translation>%1, die nach drei Tagen Erbrechen aufgenommen wurde</translation>
    </message>
    <message>
        <source>%1 on the ward after a week of septic shock</source>
        <comment>a woman</comment>
        <translation>%1, die nach einer Woche im septischen Schock auf der Station liegt</translation>
    </message>
    <message>
        <source>%1 on the ward after a week of septic shock</source>
        <comment>a man</comment>
        <translation>%1, der nach einer Woche im septischen Schock auf der Station liegt</translation>
    </message>
    <message>
        <source>%1 on the ward after a week of septic shock</source>
        <comment>a patient</comment>
        <translation>%1, die nach einer Woche im septischen Schock auf der Station liegt</translation>
    </message>
    <message>
        <source>%1 with swollen ankles for a month</source>
        <comment>a woman</comment>
        <translation>%1, die seit einem Monat geschwollene Knöchel hat</translation>
    </message>
    <message>
        <source>%1 with swollen ankles for a month</source>
        <comment>a man</comment>
        <translation>%1, der seit einem Monat geschwollene Knöchel hat</translation>
    </message>
    <message>
        <source>%1 with swollen ankles for a month</source>
        <comment>a patient</comment>
        <translation>%1, die seit einem Monat geschwollene Knöchel hat</translation>
    </message>
    <message>
        <source>%1 admitted with confusion</source>
        <comment>a woman</comment>
        <translation>%1, die mit Verwirrtheit aufgenommen wurde</translation>
    </message>
    <message>
        <source>%1 admitted with confusion</source>
        <comment>a man</comment>
        <translation>%1, der mit Verwirrtheit aufgenommen wurde</translation>
    </message>
    <message>
        <source>%1 admitted with confusion</source>
        <comment>a patient</comment>
        <translation>%1, die mit Verwirrtheit aufgenommen wurde</translation>
    </message>
    <message>
        <source>%1 taking a diuretic for high blood pressure</source>
        <comment>a woman</comment>
        <translation>%1, die wegen Bluthochdrucks ein Diuretikum nimmt</translation>
    </message>
    <message>
        <source>%1 taking a diuretic for high blood pressure</source>
        <comment>a man</comment>
        <translation>%1, der wegen Bluthochdrucks ein Diuretikum nimmt</translation>
    </message>
    <message>
        <source>%1 taking a diuretic for high blood pressure</source>
        <comment>a patient</comment>
        <translation>%1, die wegen Bluthochdrucks ein Diuretikum nimmt</translation>
    </message>
    <message>
        <source>%1 after a week of diarrhoea</source>
        <comment>a woman</comment>
        <translation>%1, die eine Woche lang Durchfall hatte</translation>
    </message>
    <message>
        <source>%1 after a week of diarrhoea</source>
        <comment>a man</comment>
        <translation>%1, der eine Woche lang Durchfall hatte</translation>
    </message>
    <message>
        <source>%1 after a week of diarrhoea</source>
        <comment>a patient</comment>
        <translation>%1, die eine Woche lang Durchfall hatte</translation>
    </message>
    <message>
        <source>%1 two days after starting chemotherapy for lymphoma</source>
        <comment>a woman</comment>
        <translation>%1, die vor zwei Tagen eine Chemotherapie gegen ein Lymphom begonnen hat</translation>
    </message>
    <message>
        <source>%1 two days after starting chemotherapy for lymphoma</source>
        <comment>a man</comment>
        <translation>%1, der vor zwei Tagen eine Chemotherapie gegen ein Lymphom begonnen hat</translation>
    </message>
    <message>
        <source>%1 two days after starting chemotherapy for lymphoma</source>
        <comment>a patient</comment>
        <translation>%1, die vor zwei Tagen eine Chemotherapie gegen ein Lymphom begonnen hat</translation>
    </message>
    <message>
        <source>%1 with poorly controlled type 2 diabetes</source>
        <comment>a woman</comment>
        <translation>%1, die einen schlecht eingestellten Typ-2-Diabetes hat</translation>
    </message>
    <message>
        <source>%1 with poorly controlled type 2 diabetes</source>
        <comment>a man</comment>
        <translation>%1, der einen schlecht eingestellten Typ-2-Diabetes hat</translation>
    </message>
    <message>
        <source>%1 with poorly controlled type 2 diabetes</source>
        <comment>a patient</comment>
        <translation>%1, die einen schlecht eingestellten Typ-2-Diabetes hat</translation>
    </message>
    <message>
        <source>%1 whose father had a heart attack at 45</source>
        <comment>a woman</comment>
        <translation>%1, deren Vater mit 45 einen Herzinfarkt hatte</translation>
    </message>
    <message>
        <source>%1 whose father had a heart attack at 45</source>
        <comment>a man</comment>
        <translation>%1, dessen Vater mit 45 einen Herzinfarkt hatte</translation>
    </message>
    <message>
        <source>%1 whose father had a heart attack at 45</source>
        <comment>a patient</comment>
        <translation>%1, deren Vater mit 45 einen Herzinfarkt hatte</translation>
    </message>
    <message>
        <source>%1 with central obesity</source>
        <comment>a woman</comment>
        <translation>%1, die eine stammbetonte Adipositas hat</translation>
    </message>
    <message>
        <source>%1 with central obesity</source>
        <comment>a man</comment>
        <translation>%1, der eine stammbetonte Adipositas hat</translation>
    </message>
    <message>
        <source>%1 with central obesity</source>
        <comment>a patient</comment>
        <translation>%1, die eine stammbetonte Adipositas hat</translation>
    </message>
    <message>
        <source>%1 on a statin and a PCSK9 inhibitor</source>
        <comment>a woman</comment>
        <translation>%1, die ein Statin und einen PCSK9-Hemmer nimmt</translation>
    </message>
    <message>
        <source>%1 on a statin and a PCSK9 inhibitor</source>
        <comment>a man</comment>
        <translation>%1, der ein Statin und einen PCSK9-Hemmer nimmt</translation>
    </message>
    <message>
        <source>%1 on a statin and a PCSK9 inhibitor</source>
        <comment>a patient</comment>
        <translation>%1, die ein Statin und einen PCSK9-Hemmer nimmt</translation>
    </message>
    <message>
        <source>%1 with itching for two weeks</source>
        <comment>a woman</comment>
        <translation>%1, die seit zwei Wochen Juckreiz hat</translation>
    </message>
    <message>
        <source>%1 with itching for two weeks</source>
        <comment>a man</comment>
        <translation>%1, der seit zwei Wochen Juckreiz hat</translation>
    </message>
    <message>
        <source>%1 with itching for two weeks</source>
        <comment>a patient</comment>
        <translation>%1, die seit zwei Wochen Juckreiz hat</translation>
    </message>
    <message>
        <source>%1 after a week of nausea and dark urine</source>
        <comment>a woman</comment>
        <translation>%1, die eine Woche lang Übelkeit und dunklen Urin hatte</translation>
    </message>
    <message>
        <source>%1 after a week of nausea and dark urine</source>
        <comment>a man</comment>
        <translation>%1, der eine Woche lang Übelkeit und dunklen Urin hatte</translation>
    </message>
    <message>
        <source>%1 after a week of nausea and dark urine</source>
        <comment>a patient</comment>
        <translation>%1, die eine Woche lang Übelkeit und dunklen Urin hatte</translation>
    </message>
    <message>
        <source>%1 who drinks a bottle of wine a day</source>
        <comment>a woman</comment>
        <translation>%1, die täglich eine Flasche Wein trinkt</translation>
    </message>
    <message>
        <source>%1 who drinks a bottle of wine a day</source>
        <comment>a man</comment>
        <translation>%1, der täglich eine Flasche Wein trinkt</translation>
    </message>
    <message>
        <source>%1 who drinks a bottle of wine a day</source>
        <comment>a patient</comment>
        <translation>%1, die täglich eine Flasche Wein trinkt</translation>
    </message>
    <message>
        <source>%1 with tiredness and yellow eyes</source>
        <comment>a woman</comment>
        <translation>%1, die müde ist und gelbe Augen hat</translation>
    </message>
    <message>
        <source>%1 with tiredness and yellow eyes</source>
        <comment>a man</comment>
        <translation>%1, der müde ist und gelbe Augen hat</translation>
    </message>
    <message>
        <source>%1 with tiredness and yellow eyes</source>
        <comment>a patient</comment>
        <translation>%1, die müde ist und gelbe Augen hat</translation>
    </message>
    <message>
        <source>%1 who has felt tired for months</source>
        <comment>a woman</comment>
        <translation>%1, die sich seit Monaten müde fühlt</translation>
    </message>
    <message>
        <source>%1 who has felt tired for months</source>
        <comment>a man</comment>
        <translation>%1, der sich seit Monaten müde fühlt</translation>
    </message>
    <message>
        <source>%1 who has felt tired for months</source>
        <comment>a patient</comment>
        <translation>%1, die sich seit Monaten müde fühlt</translation>
    </message>
    <message>
        <source>%1 with long-standing rheumatoid arthritis</source>
        <comment>a woman</comment>
        <translation>%1, die seit Langem eine rheumatoide Arthritis hat</translation>
    </message>
    <message>
        <source>%1 with long-standing rheumatoid arthritis</source>
        <comment>a man</comment>
        <translation>%1, der seit Langem eine rheumatoide Arthritis hat</translation>
    </message>
    <message>
        <source>%1 with long-standing rheumatoid arthritis</source>
        <comment>a patient</comment>
        <translation>%1, die seit Langem eine rheumatoide Arthritis hat</translation>
    </message>
    <message>
        <source>%1 with joint pains and tiredness</source>
        <comment>a woman</comment>
        <translation>%1, die Gelenkschmerzen hat und müde ist</translation>
    </message>
    <message>
        <source>%1 with joint pains and tiredness</source>
        <comment>a man</comment>
        <translation>%1, der Gelenkschmerzen hat und müde ist</translation>
    </message>
    <message>
        <source>%1 with joint pains and tiredness</source>
        <comment>a patient</comment>
        <translation>%1, die Gelenkschmerzen hat und müde ist</translation>
    </message>
    <message>
        <source>%1 with severe upper abdominal pain</source>
        <comment>a woman</comment>
        <translation>%1, die starke Oberbauchschmerzen hat</translation>
    </message>
    <message>
        <source>%1 with severe upper abdominal pain</source>
        <comment>a man</comment>
        <translation>%1, der starke Oberbauchschmerzen hat</translation>
    </message>
    <message>
        <source>%1 with severe upper abdominal pain</source>
        <comment>a patient</comment>
        <translation>%1, die starke Oberbauchschmerzen hat</translation>
    </message>
    <message>
        <source>%1 with a raised amylase found at a routine check</source>
        <comment>a woman</comment>
        <translation>%1, bei der eine Routinekontrolle eine erhöhte Amylase ergab</translation>
    </message>
    <message>
        <source>%1 with a raised amylase found at a routine check</source>
        <comment>a man</comment>
        <translation>%1, bei dem eine Routinekontrolle eine erhöhte Amylase ergab</translation>
    </message>
    <message>
        <source>%1 with a raised amylase found at a routine check</source>
        <comment>a patient</comment>
        <translation>%1, bei der eine Routinekontrolle eine erhöhte Amylase ergab</translation>
    </message>
</context>
<context>
    <name>quarvex::SelectorWindow</name>
    <message>
        <source>Select a category:</source>
        <translation>Kategorie wählen:</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Erklären</translation>
    </message>
    <message>
        <source>Medical Calculator</source>
        <translation>Medizinischer Rechner</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Test items</source>
        <translation>Tests</translation>
    </message>
</context>
<context>
    <name>quarvex::SplashWindow</name>
    <message>
        <source>Unknown system</source>
        <translation>Unbekanntes System</translation>
    </message>
    <message>
        <source>%1 %2-bit</source>
        <extracomment>The platform line: the system&apos;s name, then its word size, &quot;Linux 64-bit&quot;.</extracomment>
        <translation>%1 %2 Bit</translation>
    </message>
    <message>
        <source>Quarvex logo</source>
        <translation>Quarvex-Logo</translation>
    </message>
    <message>
        <source>By the Quarvex Developers</source>
        <translation>Von den Quarvex-Entwicklern</translation>
    </message>
    <message>
        <source>Free for educational and personal use. Provided as is, without warranty of any kind.</source>
        <translation>Frei für Lehre und persönlichen Gebrauch. Bereitgestellt wie besehen, ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>© 2026 Quarvex Developers</source>
        <translation>© 2026 Quarvex-Entwickler</translation>
    </message>
</context>
<context>
    <name>quarvex::StepsView</name>
    <message>
        <source>Worked steps and band pictures</source>
        <translation>Rechenweg und Bereichsbilder</translation>
    </message>
    <message>
        <source>Worked steps page</source>
        <translation>Seite des Rechenwegs</translation>
    </message>
    <message>
        <source>Worked steps</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Sources of the formula and bands</source>
        <translation>Quellen der Formel und der Bereiche</translation>
    </message>
    <message>
        <source>Press Calculate first.</source>
        <translation>Zuerst auf Berechnen klicken.</translation>
    </message>
    <message>
        <source>Key to the bands of %1</source>
        <translation>Legende der Bereiche von %1</translation>
    </message>
</context>
<context>
    <name>quarvex::SwitchboardWindow</name>
    <message>
        <source>Quarvex Options</source>
        <translation>Quarvex-Optionen</translation>
    </message>
    <message>
        <source>Quick Calculator</source>
        <translation>Schnellrechner</translation>
    </message>
    <message>
        <source>Quickly calculate results for an individual test item.</source>
        <translation>Ergebnisse für einen einzelnen Test schnell berechnen.</translation>
    </message>
    <message>
        <source>Comprehensive Overview</source>
        <translation>Gesamtübersicht</translation>
    </message>
    <message>
        <source>Enter data for results of multiple test items (results can be exported).</source>
        <translation>Daten für die Ergebnisse mehrerer Tests eingeben (die Ergebnisse lassen sich exportieren).</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Work generated cases step by step; every step is checked and explained.</source>
        <translation>Erzeugte Fälle Schritt für Schritt lösen; jeder Schritt wird geprüft und erklärt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>quarvex::SysInfo</name>
    <message>
        <source>Platform: %1 (%2 kernel %3, %4)</source>
        <translation>Plattform: %1 (%2-Kernel %3, %4)</translation>
    </message>
    <message>
        <source>Qt: %1 (built with %2), platform plugin %3</source>
        <translation>Qt: %1 (erstellt mit %2), Plattform-Plugin %3</translation>
    </message>
    <message>
        <source>Screen: %1, %2 x %3 pixels, scale factor %4, %5 dots per inch</source>
        <translation>Bildschirm: %1, %2 × %3 Pixel, Skalierungsfaktor %4, %5 Punkte pro Zoll</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
</context>
<context>
    <name>quarvex::ToolTips</name>
    <message>
        <source>Accept and go on to the choice of mode</source>
        <translation>Annehmen und weiter zur Wahl der Betriebsart</translation>
    </message>
    <message>
        <source>Close Quarvex</source>
        <translation>Quarvex beenden</translation>
    </message>
    <message>
        <source>Work out one test item at a time</source>
        <translation>Jeweils einen Test berechnen</translation>
    </message>
    <message>
        <source>Type many values at once and see every item they allow</source>
        <translation>Viele Werte auf einmal eingeben und alle Tests sehen, die sie erlauben</translation>
    </message>
    <message>
        <source>Work generated cases step by step, each step checked</source>
        <translation>Erzeugte Fälle Schritt für Schritt lösen, jeder Schritt geprüft</translation>
    </message>
    <message>
        <source>Open the mode chosen on the left</source>
        <translation>Die links gewählte Betriebsart öffnen</translation>
    </message>
    <message>
        <source>Version and purpose of Quarvex</source>
        <translation>Version und Zweck von Quarvex</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Start the system&apos;s own information program</source>
        <translation>Das Informationsprogramm des Systems starten</translation>
    </message>
    <message>
        <source>Pick a group of test items</source>
        <translation>Eine Gruppe von Tests wählen</translation>
    </message>
    <message>
        <source>Pick the test item to work out</source>
        <translation>Den zu berechnenden Test wählen</translation>
    </message>
    <message>
        <source>Open the calculator screen for the item picked</source>
        <translation>Die Rechenmaske für den gewählten Test öffnen</translation>
    </message>
    <message>
        <source>What the item picked tells</source>
        <translation>Was der gewählte Test aussagt</translation>
    </message>
    <message>
        <source>Work out the item from the values typed (Enter)</source>
        <translation>Den Test aus den eingegebenen Werten berechnen (Eingabetaste)</translation>
    </message>
    <message>
        <source>Empty every value, unit and the result</source>
        <translation>Alle Werte, Einheiten und das Ergebnis leeren</translation>
    </message>
    <message>
        <source>Show how the result was worked out, step by step (Alt+S)</source>
        <translation>Zeigen, wie das Ergebnis berechnet wurde, Schritt für Schritt (Alt+S)</translation>
    </message>
    <message>
        <source>Practise working this item out on generated cases</source>
        <translation>Die Berechnung dieses Tests an erzeugten Fällen üben</translation>
    </message>
    <message>
        <source>The result of the last Calculate</source>
        <translation>Das Ergebnis der letzten Berechnung</translation>
    </message>
    <message>
        <source>What the result means</source>
        <translation>Was das Ergebnis bedeutet</translation>
    </message>
    <message>
        <source>Show what the result means</source>
        <translation>Zeigen, was das Ergebnis bedeutet</translation>
    </message>
    <message>
        <source>Blood values and urine values</source>
        <translation>Blutwerte und Urinwerte</translation>
    </message>
    <message>
        <source>Empty every value and unit, and start a new case</source>
        <translation>Alle Werte und Einheiten leeren und einen neuen Fall beginnen</translation>
    </message>
    <message>
        <source>Open a case saved before (Ctrl+O)</source>
        <translation>Einen früher gespeicherten Fall öffnen (Strg+O)</translation>
    </message>
    <message>
        <source>Save the values in the case&apos;s file (Ctrl+S)</source>
        <translation>Die Werte in der Datei des Falls speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Save the values in a new case file (Ctrl+Shift+S)</source>
        <translation>Die Werte in einer neuen Falldatei speichern (Strg+Umschalt+S)</translation>
    </message>
    <message>
        <source>List the items the values typed allow</source>
        <translation>Die Tests auflisten, die die eingegebenen Werte erlauben</translation>
    </message>
    <message>
        <source>Close the data entry window</source>
        <translation>Die Dateneingabe schließen</translation>
    </message>
    <message>
        <source>The items the values typed allow</source>
        <translation>Die Tests, die die eingegebenen Werte erlauben</translation>
    </message>
    <message>
        <source>Work out every item listed</source>
        <translation>Alle aufgelisteten Tests berechnen</translation>
    </message>
    <message>
        <source>Back to the data entry window (Esc)</source>
        <translation>Zurück zur Dateneingabe (Esc)</translation>
    </message>
    <message>
        <source>Each item&apos;s result and what it means</source>
        <translation>Das Ergebnis jedes Tests und seine Bedeutung</translation>
    </message>
    <message>
        <source>Back to the data entry window</source>
        <translation>Zurück zur Dateneingabe</translation>
    </message>
    <message>
        <source>Save the results to a tab-separated file</source>
        <translation>Die Ergebnisse in einer tabulatorgetrennten Datei speichern</translation>
    </message>
    <message>
        <source>Close the results and the data entry window</source>
        <translation>Die Ergebnisse und die Dateneingabe schließen</translation>
    </message>
    <message>
        <source>Print the values and results on paper (Ctrl+P)</source>
        <translation>Die Werte und Ergebnisse auf Papier drucken (Strg+P)</translation>
    </message>
    <message>
        <source>Save the values and results as a PDF file</source>
        <translation>Die Werte und Ergebnisse als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Print the worked steps of every item too</source>
        <translation>Auch den Rechenweg jedes Tests drucken</translation>
    </message>
    <message>
        <source>The test item to practise</source>
        <translation>Der zu übende Test</translation>
    </message>
    <message>
        <source>Which steps you work out: the higher the level, the fewer are shown</source>
        <translation>Welche Schritte Sie selbst rechnen: je höher die Stufe, desto weniger werden gezeigt</translation>
    </message>
    <message>
        <source>The number of the case: the same number gives the same case</source>
        <translation>Die Nummer des Falls: dieselbe Nummer ergibt denselben Fall</translation>
    </message>
    <message>
        <source>Check every answer (Alt+C, or Enter in an answer)</source>
        <translation>Alle Antworten prüfen (Alt+C oder Eingabetaste in einer Antwort)</translation>
    </message>
    <message>
        <source>Show the answer of the step you are on; it counts as not answered</source>
        <translation>Die Antwort des aktuellen Schritts zeigen; er zählt als nicht beantwortet</translation>
    </message>
    <message>
        <source>Another case of the item at this level (Alt+N)</source>
        <translation>Ein weiterer Fall dieses Tests auf dieser Stufe (Alt+N)</translation>
    </message>
    <message>
        <source>The case worked out in full, with the band picture</source>
        <translation>Der vollständig berechnete Fall, mit dem Bereichsbild</translation>
    </message>
    <message>
        <source>A new case at the next level</source>
        <translation>Ein neuer Fall auf der nächsten Stufe</translation>
    </message>
    <message>
        <source>A new case at the same level</source>
        <translation>Ein neuer Fall auf derselben Stufe</translation>
    </message>
    <message>
        <source>Open an exercise of a worksheet by the sheet file and the code printed beside it</source>
        <translation>Eine Aufgabe eines Arbeitsblatts über die Blattdatei und den daneben gedruckten Code öffnen</translation>
    </message>
    <message>
        <source>Print a worksheet of such cases for a class, one version per student, with an answer key</source>
        <translation>Ein Arbeitsblatt mit solchen Fällen für eine Klasse drucken, eine Version je Studierenden, mit Lösungsschlüssel</translation>
    </message>
    <message>
        <source>Count a step worked right from your own earlier wrong answer as right</source>
        <translation>Einen Schritt, der aus Ihrer eigenen früheren falschen Antwort richtig gerechnet ist, als richtig zählen</translation>
    </message>
</context>
<context>
    <name>quarvex::UnitNote</name>
    <message>
        <source>mEq/L or mmol/L: milliequivalents or millimoles per litre, the same number for a singly charged ion</source>
        <translation>mEq/L or mmol/L: Milliäquivalent oder Millimol pro Liter, bei einem einfach geladenen Ion dieselbe Zahl</translation>
    </message>
    <message>
        <source>kg: kilograms</source>
        <translation>kg: Kilogramm</translation>
    </message>
    <message>
        <source>lbs: pounds</source>
        <translation>lbs: (englische) Pfund</translation>
    </message>
    <message>
        <source>mg/dL: milligrams per decilitre</source>
        <translation>mg/dL: Milligramm pro Deziliter</translation>
    </message>
    <message>
        <source>umol/L: micromoles per litre</source>
        <translation>umol/L: Mikromol pro Liter</translation>
    </message>
    <message>
        <source>mmol/L: millimoles per litre</source>
        <translation>mmol/L: Millimol pro Liter</translation>
    </message>
    <message>
        <source>mg/dL of urea nitrogen (BUN)</source>
        <translation>mg/dL Harnstoff-Stickstoff (BUN)</translation>
    </message>
    <message>
        <source>mmol/L of urea</source>
        <translation>mmol/L Harnstoff</translation>
    </message>
    <message>
        <source>U/L: units of enzyme activity per litre</source>
        <translation>U/L: Einheiten Enzymaktivität pro Liter</translation>
    </message>
    <message>
        <source>g/L: grams per litre</source>
        <translation>g/L: Gramm pro Liter</translation>
    </message>
    <message>
        <source>ml: millilitres of urine collected in 24 hours</source>
        <translation>ml: Milliliter Urin, gesammelt über 24 Stunden</translation>
    </message>
    <message>
        <source>IU/L: international units of enzyme activity per litre</source>
        <translation>IU/L: internationale Einheiten Enzymaktivität pro Liter</translation>
    </message>
    <message>
        <source>g/dL: grams per decilitre</source>
        <translation>g/dL: Gramm pro Deziliter</translation>
    </message>
    <message>
        <source>ug/dL: micrograms per decilitre</source>
        <translation>ug/dL: Mikrogramm pro Deziliter</translation>
    </message>
    <message>
        <source>ug/dL: micrograms of iron bound per decilitre</source>
        <translation>ug/dL: Mikrogramm gebundenes Eisen pro Deziliter</translation>
    </message>
    <message>
        <source>umol/L: micromoles of iron bound per litre</source>
        <translation>umol/L: Mikromol gebundenes Eisen pro Liter</translation>
    </message>
    <message>
        <source>ng/ml: nanograms per millilitre</source>
        <translation>ng/ml: Nanogramm pro Milliliter</translation>
    </message>
    <message>
        <source>ug/L: micrograms per litre, the same number as ng/ml</source>
        <translation>ug/L: Mikrogramm pro Liter, dieselbe Zahl wie ng/ml</translation>
    </message>
    <message>
        <source>pmol/L: picomoles per litre</source>
        <translation>pmol/L: Pikomol pro Liter</translation>
    </message>
</context>
<context>
    <name>quarvex::WorkedStepsWindow</name>
    <message>
        <source>Worked Steps</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Press Calculate first.</source>
        <translation>Zuerst auf Berechnen klicken.</translation>
    </message>
</context>
<context>
    <name>quarvex::Worksheet</name>
    <message>
        <source>The conversions are given: work out each step of the formula, the result and its interpretation.</source>
        <translation>Die Umrechnungen sind vorgegeben: Berechnen Sie jeden Schritt der Formel, das Ergebnis und seine Bewertung.</translation>
    </message>
    <message>
        <source>Convert each value into the formula&apos;s unit, then work out each step, the result and its interpretation.</source>
        <translation>Rechnen Sie jeden Wert in die Einheit der Formel um, dann berechnen Sie jeden Schritt, das Ergebnis und seine Bewertung.</translation>
    </message>
    <message>
        <source>Work out each result and its interpretation.</source>
        <translation>Berechnen Sie jedes Ergebnis und seine Bewertung.</translation>
    </message>
    <message>
        <source>For an interpretation, write the number of the one you choose.</source>
        <translation>Schreiben Sie bei einer Bewertung die Nummer der gewählten auf.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 says what to work out at the sheet&apos;s level, %2 how to answer an interpretation.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 · Version %2</source>
        <extracomment>The running header: the sheet&apos;s title and the version.</extracomment>
        <translation>%1 · Version %2</translation>
    </message>
    <message>
        <source>Exercise %1: %2</source>
        <translation>Aufgabe %1: %2</translation>
    </message>
    <message>
        <source>%1: answer key</source>
        <translation>%1: Lösungsschlüssel</translation>
    </message>
    <message>
        <source>%1 · Answer key</source>
        <translation>%1 · Lösungsschlüssel</translation>
    </message>
    <message>
        <source>Answer key: answers</source>
        <translation>Lösungsschlüssel: Antworten</translation>
    </message>
    <message>
        <source>Sheet %1, level %2. An interpretation is given by the number of its choice.</source>
        <translation>Blatt %1, Stufe %2. Eine Bewertung steht mit der Nummer ihrer Auswahl.</translation>
    </message>
    <message>
        <source>Answer key: version %1</source>
        <translation>Lösungsschlüssel: Version %1</translation>
    </message>
    <message>
        <source>Level %1; each exercise&apos;s seed makes it again in Practice and in quarvex-cli --practice.</source>
        <translation>Stufe %1; die Fallnummer jeder Aufgabe erzeugt sie wieder in „Üben“ und mit quarvex-cli --practice.</translation>
    </message>
    <message>
        <source>Exercise %1: %2 (seed %3)</source>
        <translation>Aufgabe %1: %2 (Fallnummer %3)</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>choose at least one item</source>
        <translation>wählen Sie mindestens einen Test</translation>
    </message>
    <message>
        <source>each item can be chosen once</source>
        <translation>jeder Test kann nur einmal gewählt werden</translation>
    </message>
    <message>
        <source>the number of exercises per item must be from 1 to %1</source>
        <translation>die Zahl der Aufgaben je Test muss von 1 bis %1 reichen</translation>
    </message>
    <message>
        <source>the number of versions must be from 1 to %1</source>
        <translation>die Zahl der Versionen muss von 1 bis %1 reichen</translation>
    </message>
    <message>
        <source>the level must be 1, 2 or 3</source>
        <translation>die Stufe muss 1, 2 oder 3 sein</translation>
    </message>
    <message>
        <source>the seed must be a whole number from 0 to %1</source>
        <translation>der Startwert muss eine ganze Zahl von 0 bis %1 sein</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>kein JSON: %1 bei Byte %2</translation>
    </message>
    <message>
        <source>not a sheet file (it has no &quot;sheet&quot;, &quot;items&quot; and &quot;versions&quot;; save the worksheet again)</source>
        <translation>keine Arbeitsblatt-Datei (es fehlen &quot;sheet&quot;, &quot;items&quot; und &quot;versions&quot;; speichern Sie das Arbeitsblatt erneut)</translation>
    </message>
    <message>
        <source>the sheet names an item this program does not have: %1</source>
        <translation>das Arbeitsblatt nennt einen Test, den dieses Programm nicht hat: %1</translation>
    </message>
    <message>
        <source>the sheet was made by an earlier version of the exercise generator (this program&apos;s is %1): make the sheet again</source>
        <translation>das Arbeitsblatt stammt von einer früheren Version des Aufgabengenerators (die dieses Programms ist %1): erstellen Sie das Arbeitsblatt neu</translation>
    </message>
    <message>
        <source>the sheet&apos;s seed is not a whole number from 0 to %1</source>
        <translation>der Startwert des Arbeitsblatts ist keine ganze Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>the sheet&apos;s settings are out of range: %1</source>
        <translation>die Einstellungen des Arbeitsblatts liegen außerhalb ihres Bereichs: %1</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
</context>
<context>
    <name>quarvex::WorksheetDialog</name>
    <message>
        <source>Save for &amp;Moodle…</source>
        <translation>Für &amp;Moodle speichern …</translation>
    </message>
    <message>
        <source>Save for Moodle</source>
        <translation>Für Moodle speichern</translation>
    </message>
    <message>
        <source>Saves the exercises as Moodle questions (Moodle XML), to import in a course&apos;s question bank</source>
        <translation>Speichert die Aufgaben als Moodle-Fragen (Moodle-XML) zum Import in die Fragensammlung eines Kurses</translation>
    </message>
    <message>
        <source>Saved sheet %1 for Moodle to %2 (questions: %3).</source>
        <translation>Blatt %1 für Moodle in %2 gespeichert (Fragen: %3).</translation>
    </message>
    <message>
        <source>&amp;Grade class…</source>
        <translation>&amp;Klasse bewerten …</translation>
    </message>
    <message>
        <source>Grade class</source>
        <translation>Klasse bewerten</translation>
    </message>
    <message>
        <source>Grades a filled class file (CSV) against this sheet and shows a row per student</source>
        <translation>Bewertet eine ausgefüllte Klassendatei (CSV) nach diesem Blatt und zeigt eine Zeile je Studierendem</translation>
    </message>
    <message>
        <source>Grade Class</source>
        <translation>Klasse bewerten</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The file has no header row: the first row names the columns Student, Code and the step ids.</source>
        <translation>Die Datei hat keine Kopfzeile: Die erste Zeile nennt die Spalten Student, Code und die Schritt-IDs.</translation>
    </message>
    <message>
        <source>Memory ran out.</source>
        <translation>Der Speicher reicht nicht aus.</translation>
    </message>
    <message>
        <source>%1 could not be graded.</source>
        <translation>%1 konnte nicht bewertet werden.</translation>
    </message>
    <message>
        <source>Graded %1 against sheet %2.</source>
        <translation>%1 nach Blatt %2 bewertet.</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Save Worksheet as PDF</source>
        <translation>Arbeitsblatt als PDF speichern</translation>
    </message>
    <message>
        <source>Save Answer Key as PDF</source>
        <translation>Lösungsschlüssel als PDF speichern</translation>
    </message>
    <message>
        <source>Worksheet files (*.json)</source>
        <translation>Arbeitsblattdateien (*.json)</translation>
    </message>
    <message>
        <source>Save Sheet</source>
        <translation>Blatt speichern</translation>
    </message>
    <message>
        <source>Open Sheet</source>
        <translation>Blatt öffnen</translation>
    </message>
    <message>
        <source>Save Class CSV</source>
        <translation>Klassendatei (CSV) speichern</translation>
    </message>
    <message>
        <source>Moodle XML files (*.xml)</source>
        <translation>Moodle-XML-Dateien (*.xml)</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>&amp;Items:</source>
        <translation>&amp;Tests:</translation>
    </message>
    <message>
        <source>Exercises per item</source>
        <translation>Aufgaben je Test</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>1: conversions given</source>
        <translation>1: Umrechnungen vorgegeben</translation>
    </message>
    <message>
        <source>2: conversions asked too</source>
        <translation>2: auch Umrechnungen gefragt</translation>
    </message>
    <message>
        <source>3: only results and interpretations</source>
        <translation>3: nur Ergebnisse und Bewertungen</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>&amp;Exercises per item:</source>
        <translation>&amp;Aufgaben je Test:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Stufe:</translation>
    </message>
    <message>
        <source>&amp;Versions (one per student):</source>
        <translation>&amp;Versionen (je Person):</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>T&amp;itel:</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>Start&amp;wert:</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungsschlüssel</translation>
    </message>
    <message>
        <source>After all ve&amp;rsions</source>
        <translation>Nach allen Ve&amp;rsionen</translation>
    </message>
    <message>
        <source>Answer key after all versions</source>
        <translation>Lösungsschlüssel nach allen Versionen</translation>
    </message>
    <message>
        <source>As a se&amp;parate document</source>
        <translation>Als ge&amp;trenntes Dokument</translation>
    </message>
    <message>
        <source>Answer key as a separate document</source>
        <translation>Lösungsschlüssel als getrenntes Dokument</translation>
    </message>
    <message>
        <source>With &amp;worked steps</source>
        <translation>Mit &amp;Rechenweg</translation>
    </message>
    <message>
        <source>Answer key with worked steps</source>
        <translation>Lösungsschlüssel mit Rechenweg</translation>
    </message>
    <message>
        <source>Items checked</source>
        <translation>Angekreuzte Tests</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Sa&amp;ve sheet…</source>
        <translation>Spei&amp;chern…</translation>
    </message>
    <message>
        <source>Save sheet</source>
        <translation>Blatt speichern</translation>
    </message>
    <message>
        <source>&amp;Open sheet…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open sheet</source>
        <translation>Blatt öffnen</translation>
    </message>
    <message>
        <source>Save class &amp;CSV…</source>
        <translation>Klassen-&amp;CSV…</translation>
    </message>
    <message>
        <source>Save class CSV</source>
        <translation>Klassendatei (CSV) speichern</translation>
    </message>
    <message>
        <source>%1 of %2 items checked</source>
        <translation>%1 von %2 Tests angekreuzt</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to %1.</source>
        <translation>Der Startwert muss eine ganze Zahl von 0 bis %1 sein.</translation>
    </message>
    <message>
        <source>Choose at least one item for the worksheet.</source>
        <translation>Wählen Sie mindestens einen Test für das Arbeitsblatt.</translation>
    </message>
    <message>
        <source>The worksheet could not be printed.</source>
        <translation>Das Arbeitsblatt konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The worksheet could not be saved to %1.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Das Arbeitsblatt konnte nicht unter %1 gespeichert werden.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n pages)</source>
        <extracomment>A file saved and the number of its pages.</extracomment>
        <translation>
            <numerusform>%1 (%n Seite)</numerusform>
            <numerusform>%1 (%n Seiten)</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved %1 and %2.</source>
        <extracomment>The sheets and the key apart, each with its pages.</extracomment>
        <translation>%1 und %2 gespeichert.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>%1 could not be saved.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>%1 konnte nicht gespeichert werden.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Saved sheet %1 to %2.</source>
        <translation>Blatt %1 unter %2 gespeichert.</translation>
    </message>
    <message>
        <source>The file is too large to be a sheet file.</source>
        <translation>Die Datei ist zu groß für eine Blattdatei.</translation>
    </message>
    <message>
        <source>%1 could not be opened as a sheet.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>%1 konnte nicht als Blatt geöffnet werden.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Opened sheet %1 from %2.</source>
        <translation>Blatt %1 aus %2 geöffnet.</translation>
    </message>
    <message>
        <source>Saved the class file of sheet %1 (%2 rows) to %3.</source>
        <translation>Klassendatei von Blatt %1 (%2 Zeilen) unter %3 gespeichert.</translation>
    </message>
    <message>
        <source>The pages could not be drawn.</source>
        <translation>Die Seiten konnten nicht gezeichnet werden.</translation>
    </message>
</context>
</TS>
