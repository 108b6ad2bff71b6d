#include "calc/items.h"
#include "calc/sources.h"
#include "coretestmain.h"
#include "literature/references.h"

#include <QSet>

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(quarvex::Verification)
Q_DECLARE_METATYPE(quarvex::ItemId)

class TestSources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void referenceList();
    void referenceDetails_data();
    void referenceDetails();
    void everyOverviewItemIsSourced();
    void ownChoices_data();
    void ownChoices();
    void itemSourcesAndCaveats_data();
    void itemSourcesAndCaveats();
    void sourceNotesSayHowFarChecked();
    void stepNotes_data();
    void stepNotes();
};

void TestSources::referenceList()
{
    // The literature list counts 112 references: 86 verified, 14 partly
    // verified and 12 from memory. A lost or doubled row changes these.
    QSet<QString> ids;
    int verified = 0, partly = 0, unverified = 0;
    for (const Reference& r : references()) {
        QVERIFY2(!ids.contains(r.idText()), r.id);
        ids.insert(r.idText());
        QVERIFY2(!r.citationText().trimmed().isEmpty(), r.id);
        QCOMPARE(findReference(r.idText()), &r);
        switch (r.verification) {
        case Verification::Verified:
            ++verified;
            break;
        case Verification::PartlyVerified:
            ++partly;
            QVERIFY2(*r.remark, r.id); // the part not seen is named
            break;
        case Verification::Unverified:
            ++unverified;
            QVERIFY2(!*r.seenAt, r.id);
            break;
        }
    }
    QCOMPARE(ids.size(), 112);
    QCOMPARE(verified, 86);
    QCOMPARE(partly, 14);
    QCOMPARE(unverified, 12);
    QVERIFY(!findReference(u"R64"));
    QVERIFY(!findReference(u""));
}

void TestSources::referenceDetails_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<Verification>("verification");
    QTest::addColumn<int>("year"); // 0: the citation carries no year
    QTest::addColumn<QString>("citationPart");

    using V = Verification;
    QTest::addRow("Cockcroft-Gault, verified")
        << u"R1"_s << V::Verified << 1976 << u"Nephron 1976;16(1):31–41."_s;
    QTest::addRow("Wallach's, no year") << u"R7"_s << V::Verified << 0 << u"Wallach's"_s;
    QTest::addRow("KDIGO, journal year") << u"R10"_s << V::Verified << 2013 << u"KDIGO 2012"_s;
    QTest::addRow("CKD-EPI, partly verified")
        << u"R11"_s << V::PartlyVerified << 2021 << u"doi:10.1056/NEJMoa2102953"_s;
    QTest::addRow("Levitt, from memory") << u"U1"_s << V::Unverified << 1969 << u"Levitt MD"_s;
    QTest::addRow("Friedewald, from memory")
        << u"U11"_s << V::Unverified << 1972 << u"Clin Chem 1972;18(6):499–502."_s;
    QTest::addRow("Sampson, with its check value")
        << u"U12"_s << V::Unverified << 2020 << u"Check: TC 200, HDL 50, TG 150 → 123.4."_s;
    QTest::addRow("non-HDL classes")
        << u"U13"_s << V::Unverified << 2014 << u"J Clin Lipidol 2014;8(5):473–488."_s;
    QTest::addRow("CKD-EPI 2021 check values, no year")
        << u"U14"_s << V::Unverified << 0 << u"0.6, 50, F → 109.28; 1.2, 65, M → 67.11."_s;
    QTest::addRow("triglyceride factor, no year")
        << u"U15"_s << V::Unverified << 0 << u"mg/dL = mmol/L × 88.57"_s;
}

void TestSources::referenceDetails()
{
    QFETCH(QString, id);
    QFETCH(Verification, verification);
    QFETCH(int, year);
    QFETCH(QString, citationPart);

    const Reference* r = findReference(id);
    QVERIFY(r);
    QCOMPARE(r->verification, verification);
    QCOMPARE(r->verified(), verification == Verification::Verified);
    QCOMPARE(r->publicationYear(), year ? std::optional<int>(year) : std::nullopt);
    QVERIFY2(r->citationText().contains(citationPart), qPrintable(r->citationText()));
    // No volume or pages that were not seen find their way into a citation.
    if (id == u"R11")
        QVERIFY(!r->citationText().contains(u"1737"));
}

void TestSources::everyOverviewItemIsSourced()
{
    QVERIFY(!itemSources(ItemId(-1)) && !itemSources(ItemId(ItemCount)));
    for (const ItemDescriptor& d : overviewItems()) {
        const char* item = d.listText;
        const std::optional<ItemSources> s = itemSources(d.id);
        QVERIFY2(s, item);
        QCOMPARE(s->item, d.id);
        QVERIFY2(!s->sources.isEmpty(), item);
        QVERIFY2(!s->formulaOrigin.isEmpty() && !s->bandsOrigin.isEmpty(), item);
        QVERIFY2(!s->guidance.isEmpty(), item);
        for (const Source& source : s->sources) {
            QVERIFY(source.reference);
            QVERIFY2(!source.citation().isEmpty(), item);
            QCOMPARE(source.verified(), source.reference->verification == Verification::Verified);
        }
    }
}

void TestSources::ownChoices_data()
{
    QTest::addColumn<ItemId>("item");
    QTest::addColumn<QStringList>("mentions"); // empty: no own choice

    QTest::addRow("AST/ALT bound 0.8") << ItemId::AstAltRatio << QStringList{u"0.8"_s};
    QTest::addRow("cholesterol ratio gaps closed")
        << ItemId::CholesterolHdlRatio << QStringList{u"gaps"_s, u"4.9–5.0"_s, u"6.9–7.0"_s};
    QTest::addRow("ATP III: a difference, not a choice") << ItemId::Adult3 << QStringList{};
}

void TestSources::ownChoices()
{
    QFETCH(ItemId, item);
    QFETCH(QStringList, mentions);
    const std::optional<ItemSources> s = itemSources(item);
    QVERIFY(s);
    QCOMPARE(s->ownChoice.isEmpty(), mentions.isEmpty());
    for (const QString& m : mentions)
        QVERIFY2(s->ownChoice.contains(m), qPrintable(s->ownChoice));
    if (!mentions.isEmpty())
        QVERIFY(s->ownChoice.contains(u"this program's own choice"));
}

void TestSources::itemSourcesAndCaveats_data()
{
    QTest::addColumn<ItemId>("item");
    QTest::addColumn<QString>("formulaId"); // "" where the formula has no single source
    QTest::addColumn<QString>("guidanceId");
    QTest::addColumn<QString>("inFormula");
    QTest::addColumn<QString>("inCaveat"); // "" where there is no caveat

    QTest::addRow("clearance: Cockcroft-Gault, KDIGO staging")
        << ItemId::CreatinineClearance << u"R1"_s << u"R10"_s << u"÷85"_s << u"not per 1.73 m²"_s;
    QTest::addRow("phosphorus clearance from urine and serum phosphorus")
        << ItemId::PhosphorusClearance << u""_s << u"R14"_s
        << u"(urine phosphorus × urine volume) ÷ (serum phosphorus × 1440)"_s
        << u"needs urine phosphorus"_s;
    QTest::addRow("albumin/globulin: no caveat")
        << ItemId::AlbuminGlobulinRatio << u"R79"_s << u"R81"_s << u"Epstein"_s << u""_s;
}

void TestSources::itemSourcesAndCaveats()
{
    QFETCH(ItemId, item);
    QFETCH(QString, formulaId);
    QFETCH(QString, guidanceId);
    QFETCH(QString, inFormula);
    QFETCH(QString, inCaveat);

    const std::optional<ItemSources> s = itemSources(item);
    QVERIFY(s);
    QStringList formulaIds, guidanceIds;
    for (const Source& source : s->sources) {
        if (source.role == SourceRole::Formula)
            formulaIds << source.id();
        else if (source.role == SourceRole::Guidance)
            guidanceIds << source.id();
    }
    if (formulaId.isEmpty())
        QVERIFY2(formulaIds.isEmpty(), qPrintable(formulaIds.join(u' ')));
    else
        QVERIFY2(formulaIds.contains(formulaId), qPrintable(formulaIds.join(u' ')));
    if (!guidanceId.isEmpty())
        QVERIFY2(guidanceIds.contains(guidanceId), qPrintable(guidanceIds.join(u' ')));
    QVERIFY2(s->formulaOrigin.contains(inFormula), qPrintable(s->formulaOrigin));
    if (inCaveat.isEmpty())
        QVERIFY(s->caveat.isEmpty());
    else
        QVERIFY2(s->caveat.contains(inCaveat), qPrintable(s->caveat));
}

void TestSources::sourceNotesSayHowFarChecked()
{
    // Kinosian (partly verified) and Glueck (from memory) carry how far they
    // were checked in the note the JSON output writes; Cockcroft-Gault does not.
    const std::optional<ItemSources> ratio = itemSources(ItemId::CholesterolHdlRatio);
    const std::optional<ItemSources> lipids = itemSources(ItemId::CholesterolLevels);
    const std::optional<ItemSources> clearance = itemSources(ItemId::CreatinineClearance);
    QVERIFY(ratio && lipids && clearance);
    const auto noteOf = [](const ItemSources& s, const QString& id) {
        for (const Source& source : s.sources) {
            if (source.id() == id)
                return source.note;
        }
        return u"<missing>"_s;
    };
    QVERIFY2(noteOf(*ratio, u"R29"_s).endsWith(u"Partly verified: journal and volume from memory."),
             qPrintable(noteOf(*ratio, u"R29"_s)));
    QVERIFY(noteOf(*lipids, u"U5"_s).endsWith(u"Unverified: cited from memory."));
    QCOMPARE(noteOf(*clearance, u"R1"_s), u"The formula; women 15 % less."_s);
}

// The worked steps of the two corrected items say what changed and why; the
// uric acid ratio also says when it may be read. Other items add nothing.
void TestSources::stepNotes_data()
{
    QTest::addColumn<ItemId>("item");
    QTest::addColumn<QStringList>("parts"); // one part of each line, in order

    QTest::addRow("phosphorus clearance")
        << ItemId::PhosphorusClearance << QStringList{u"Cockcroft–Gault"_s};
    QTest::addRow("uric acid ratio")
        << ItemId::UrateCreatinineRatio
        << QStringList{u"serum urate by serum creatinine"_s, u"only in acute renal failure"_s};
    QTest::addRow("creatinine clearance") << ItemId::CreatinineClearance << QStringList();
}

void TestSources::stepNotes()
{
    QFETCH(ItemId, item);
    QFETCH(QStringList, parts);
    const QStringList notes = quarvex::stepNotes(item);
    QCOMPARE(notes.size(), parts.size());
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QVERIFY2(notes[i].contains(parts[i]), qPrintable(notes[i]));
        QVERIFY2(notes[i].endsWith(u'.'), qPrintable(notes[i]));
    }
}

QUARVEX_CORE_TEST_MAIN(TestSources)
#include "tst_sources.moc"
