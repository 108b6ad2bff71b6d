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
        <translation>%1: „Male“ (männlich) oder „Female“ (weiblich)</translation>
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
</context>
</TS>
