#include "overview/json.h"

#include "analytes/hints.h"
#include "analytes/plausibility.h"

#include "analytes/bands.h"
#include "calc/derivation.h"
#include "calc/formula.h"
#include "calc/notes.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <array>
#include <charconv>

#include <cmath>
#include <optional>
#include <span>
#include <vector>

namespace quarvex {

namespace {

QJsonValue number(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonValue optionalNumber(const std::optional<double>& value)
{
    return value ? number(*value) : QJsonValue(QJsonValue::Null);
}

const char* shownName(Shown shown)
{
    switch (shown) {
    case Shown::Fixed2:
        return "fixed2";
    case Shown::Plain:
        return "plain";
    case Shown::Whole:
        return "whole";
    case Shown::Fixed1:
        return "fixed1";
    case Shown::Text:
        break;
    }
    return "text";
}

QJsonObject bandJson(const DerivedBand& band)
{
    return QJsonObject{
        {QStringLiteral("text"), band.text ? QJsonValue(*band.text) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("sentence"),
         band.sentence ? QJsonValue(*band.sentence) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("lower"), optionalNumber(band.lower)},
        {QStringLiteral("upper"), optionalNumber(band.upper)},
        {QStringLiteral("lowerIncluded"), band.lowerIncluded},
        {QStringLiteral("upperIncluded"), band.upperIncluded},
    };
}

QJsonObject stepJson(const FormulaStep& step)
{
    const auto side = [](int from) {
        return from < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(from + 1);
    };
    return QJsonObject{
        {QStringLiteral("operation"), operatorSign(step.operation)},
        {QStringLiteral("left"), number(step.left)},
        {QStringLiteral("leftUnit"), step.leftUnit},
        {QStringLiteral("leftStep"), side(step.leftStep)},
        {QStringLiteral("right"), number(step.right)},
        {QStringLiteral("rightUnit"), step.rightUnit},
        {QStringLiteral("rightStep"), side(step.rightStep)},
        {QStringLiteral("result"), number(step.result)},
        {QStringLiteral("resultUnit"), step.resultUnit},
    };
}

QJsonArray bandsJson(const QList<DerivedBand>& bands)
{
    QJsonArray out;
    for (const DerivedBand& band : bands)
        out << bandJson(band);
    return out;
}

QJsonArray notesJson(const QList<Note>& notes)
{
    QJsonArray out;
    for (const Note& note : notes) {
        out << QJsonObject{
            {QStringLiteral("kind"), noteKindName(note.kind)},
            {QStringLiteral("text"), note.text},
            {QStringLiteral("sources"), QJsonArray::fromStringList(note.sources)},
        };
    }
    return out;
}

QJsonObject rowJson(const DerivedRow& row)
{
    QJsonArray steps;
    for (const FormulaStep& step : row.steps)
        steps << stepJson(step);
    QJsonArray bands;
    for (const DerivedBand& band : row.bands)
        bands << bandJson(band);
    const DerivedBand* chosen = row.band();
    return QJsonObject{
        {QStringLiteral("name"), row.name},
        {QStringLiteral("result"), row.result},
        {QStringLiteral("value"), number(row.value)},
        {QStringLiteral("expression"), row.expression},
        {QStringLiteral("formula"), row.words},
        {QStringLiteral("symbols"), row.symbols},
        {QStringLiteral("constant"), row.constant},
        {QStringLiteral("substituted"), row.substituted},
        {QStringLiteral("steps"), steps},
        {QStringLiteral("unrounded"), unroundedText(row, QLocale::c())},
        {QStringLiteral("shown"), QLatin1String(shownName(row.shown))},
        {QStringLiteral("suffix"), row.suffix},
        {QStringLiteral("interpretation"), row.interpretation},
        {QStringLiteral("band"),
         chosen ? QJsonValue(bandJson(*chosen)) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("bands"), bands},
        {QStringLiteral("notes"), notesJson(row.notes)},
    };
}

QJsonArray sourcesJson(const std::optional<ItemSources>& sources)
{
    QJsonArray out;
    if (!sources)
        return out;
    for (const Source& source : sources->sources) {
        const std::optional<int> year = source.year();
        out << QJsonObject{
            {QStringLiteral("id"), source.id()},
            {QStringLiteral("role"), sourceRoleName(source.role)},
            {QStringLiteral("citation"), source.citation()},
            {QStringLiteral("year"), year ? QJsonValue(*year) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("verified"), source.verified()},
            {QStringLiteral("note"), source.note},
        };
    }
    return out;
}

// Where an item's formula and bands come from, and what to keep in mind.
QJsonObject originJson(ItemId item)
{
    const std::optional<ItemSources> sources = itemSources(item);
    const auto text = [&sources](QString ItemSources::*member) {
        return sources && !((*sources).*member).isEmpty() ? QJsonValue((*sources).*member)
                                                          : QJsonValue(QJsonValue::Null);
    };
    return QJsonObject{
        {QStringLiteral("formula"), text(&ItemSources::formulaOrigin)},
        {QStringLiteral("bands"), text(&ItemSources::bandsOrigin)},
        {QStringLiteral("guidance"), text(&ItemSources::guidance)},
        {QStringLiteral("keepInMind"), text(&ItemSources::caveat)},
    };
}

// The sources of an item as JSON, built once per item: they are the same in
// every case, and a batch writes them for every one.
QJsonArray itemSourcesJson(ItemId item)
{
    static const std::array<QJsonArray, ItemCount> built = [] {
        std::array<QJsonArray, ItemCount> all;
        for (int i = 0; i < ItemCount; ++i)
            all[size_t(i)] = sourcesJson(itemSources(ItemId(i)));
        return all;
    }();
    return built[size_t(item)];
}

QJsonObject findingJson(const Finding& finding, bool withField)
{
    QJsonObject out;
    if (withField) {
        out.insert(QStringLiteral("field"), finding.analyte
                                                ? QJsonValue(analyte(*finding.analyte).fieldName())
                                                : QJsonValue(QJsonValue::Null));
    }
    out.insert(QStringLiteral("kind"), kindName(finding.kind));
    out.insert(QStringLiteral("text"), finding.text);
    return out;
}

QJsonArray inputsJson(const Inputs& inputs)
{
    QJsonArray out;
    const QList<FieldHint> hints = caseHints(inputs);
    for (const Analyte& a : analytes()) {
        const ConvertedInput& in = inputs[a.id];
        if (in.valueText.isEmpty() && in.unitText.isEmpty())
            continue;
        QJsonArray findings;
        if (const std::optional<Finding>& f = inputs.finding(a.id))
            findings << findingJson(*f, false);
        const QString reference = referenceText(inputs, a.id);
        out << QJsonObject{
            {QStringLiteral("field"), a.fieldName()},
            {QStringLiteral("text"), in.valueText},
            {QStringLiteral("unit"),
             a.unitKind == UnitKind::List ? QJsonValue(in.unitText) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("value"), number(in.converted)},
            {QStringLiteral("findings"), findings},
            {QStringLiteral("hints"), QJsonArray::fromStringList(hintsOn(hints, a.id))},
            {QStringLiteral("reference"),
             reference.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(reference)},
        };
    }
    return out;
}

// What a row shares with every case that chooses the same formula and bands.
struct RowVariant {
    QString words, symbols, constant, expression, suffix;
    Shown shown = Shown::Text;
    QList<DerivedBand> bands;
    // What the calculation worked with: the same formula and band table give
    // the same variant, but for a constant chosen by the inputs (gender),
    // which the expression then tells apart.
    const Formula* formula = nullptr;
    std::span<const Band> table;

    explicit RowVariant(const DerivedRow& row)
        : words(row.words)
        , symbols(row.symbols)
        , constant(row.constant)
        , expression(row.expression)
        , suffix(row.suffix)
        , shown(row.shown)
        , bands(row.bands)
    {
        for (DerivedBand& band : bands)
            band.chosen = false;
    }

    bool matches(const DerivedRow& row) const
    {
        if (row.expression != expression || row.words != words || row.constant != constant ||
            row.shown != shown || row.suffix != suffix || row.bands.size() != bands.size())
            return false;
        for (qsizetype i = 0; i < bands.size(); ++i) {
            const DerivedBand& a = bands[i];
            const DerivedBand& b = row.bands[i];
            if (a.lower != b.lower || a.upper != b.upper || a.lowerIncluded != b.lowerIncluded ||
                a.upperIncluded != b.upperIncluded || a.text != b.text)
                return false;
        }
        return true;
    }

    QJsonObject json() const
    {
        return QJsonObject{
            {QStringLiteral("formula"), words},
            {QStringLiteral("symbols"), symbols},
            {QStringLiteral("constant"), constant},
            {QStringLiteral("expression"), expression},
            {QStringLiteral("shown"), QLatin1String(shownName(shown))},
            {QStringLiteral("suffix"), suffix},
            {QStringLiteral("bands"), bandsJson(bands)},
        };
    }
};

// A case that computes every item, for the given gender: the variants of
// every row are those of these cases.
MapFields completeCase(const char* gender)
{
    using A = AnalyteId;
    MapFields f;
    const auto set = [&f](A id, const char* value, const char* unit = "") {
        f.set(id, QString::fromLatin1(value), QString::fromLatin1(unit));
    };
    set(A::Age, "40");
    set(A::Weight, "70", "kg");
    set(A::Gender, gender);
    set(A::SerumCreatinine, "1", "mg/dL");
    set(A::UrineCreatinine, "100", "mg/dL");
    set(A::SerumSodium, "140");
    set(A::UrineSodium, "40");
    set(A::SerumPotassium, "4");
    set(A::UrinePotassium, "40");
    set(A::SerumCalcium, "9.5", "mg/dL");
    set(A::UrineCalcium, "10", "mg/dL");
    set(A::SerumPhosphorus, "3.5", "mg/dL");
    set(A::UrinePhosphorus, "60", "mg/dL");
    set(A::SerumUrea, "14", "mg/dL");
    set(A::UrineUrea, "800", "mg/dL");
    set(A::SerumUrate, "5", "mg/dL");
    set(A::UrineUrate, "40", "mg/dL");
    set(A::SerumAmylase, "100");
    set(A::UrineAmylase, "300");
    set(A::UrineProtein, "10");
    set(A::UrineVolume, "1500");
    set(A::Chol, "200", "mg/dL");
    set(A::HDL, "50", "mg/dL");
    set(A::LDL, "130", "mg/dL");
    set(A::Triglycerides, "150", "mg/dL");
    set(A::AST, "30");
    set(A::ALT, "30");
    set(A::BilirubinDirect, "0.3", "mg/dL");
    set(A::BilirubinTotal, "1", "mg/dL");
    set(A::Albumin, "4", "g/dL");
    set(A::Globulin, "2.5", "g/dL");
    set(A::Iron, "100", "ug/dL");
    set(A::TIBC, "300", "ug/dL");
    set(A::Ferritin, "100", "ng/ml");
    set(A::Transferrin, "250", "mg/dL");
    return f;
}

// The variants of every grid row, by row name, in the order first met.
const QHash<QString, std::vector<RowVariant>>& rowVariants()
{
    static const QHash<QString, std::vector<RowVariant>> all = [] {
        QHash<QString, std::vector<RowVariant>> out;
        // The men's case once more with urine creatinine in mmol/L, for the
        // rows worked in other units then (ItemRow::unitVariants).
        MapFields si = completeCase("Male");
        si.set(AnalyteId::UrineCreatinine, QStringLiteral("8.84"), QStringLiteral("mmol/L"));
        for (const MapFields& fields : {completeCase("Male"), completeCase("Female"), si}) {
            const Inputs inputs(fields, QLocale::c());
            for (const ItemEvaluation& evaluation : evaluateItems(inputs)) {
                if (!evaluation.computable())
                    continue;
                const Outcome& outcome = *evaluation.outcome;
                const Derivation d = derive(*evaluation.item, inputs, outcome);
                for (qsizetype i = 0; i < d.rows.size(); ++i) {
                    const DerivedRow& row = d.rows[i];
                    std::vector<RowVariant>& variants = out[row.name];
                    if (std::any_of(variants.begin(), variants.end(),
                                    [&row](const RowVariant& v) { return v.matches(row); }))
                        continue;
                    RowVariant& variant = variants.emplace_back(row);
                    if (i < outcome.working.size()) {
                        variant.formula = outcome.working[i].formula;
                        variant.table = outcome.working[i].bands;
                    }
                }
            }
        }
        return out;
    }();
    return all;
}

// JSON text written straight into bytes: a line per case is written for
// every case of a batch, and a QJsonObject per case would cost more than the
// evaluation.
void appendString(QByteArray& out, QStringView text)
{
    // Most texts are plain ASCII: copied straight into room made once.
    const qsizetype start = out.size();
    out.resize(start + text.size() + 2);
    char* to = out.data() + start;
    *to++ = '"';
    qsizetype i = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80 || c < 0x20 || c == u'"' || c == u'\\')
            break;
        *to++ = char(c);
    }
    if (i == text.size()) {
        *to = '"';
        return;
    }
    out.resize(start + 1 + i);
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'"' || c == u'\\') {
            out.append('\\');
            out.append(char(c));
        } else if (c < 0x20) {
            static const char hex[] = "0123456789abcdef";
            switch (c) {
            case u'\n':
                out.append("\\n");
                break;
            case u'\r':
                out.append("\\r");
                break;
            case u'\t':
                out.append("\\t");
                break;
            default:
                out.append("\\u00");
                out.append(hex[c >> 4]);
                out.append(hex[c & 15]);
            }
        } else if (c < 0x80) {
            out.append(char(c));
        } else {
            qsizetype end = i + 1;
            while (end < text.size() && text[end].unicode() >= 0x80)
                ++end;
            out.append(text.sliced(i, end - i).toUtf8());
            i = end - 1;
        }
    }
    out.append('"');
}

void appendWhole(QByteArray& out, qint64 value)
{
    char text[24];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    out.append(text, end - text);
}

void appendNumber(QByteArray& out, double value)
{
    if (!std::isfinite(value)) {
        out.append("null");
        return;
    }
    // A whole number is written as one; others in the shortest form that
    // reads back as the same double.
    if (value == std::trunc(value) && std::abs(value) < 1e15 &&
        !(value == 0 && std::signbit(value))) {
        appendWhole(out, qint64(value));
        return;
    }
    // A number from 0.01 on that is not whole is written without an
    // exponent, the shorter form: straight from std::to_chars, which gives
    // the same shortest digits; smaller ones as QByteArray writes them,
    // whichever form is shorter (5e-04, 0.0128).
    char text[64];
    if (std::abs(value) >= 0.01) {
        const auto [end, error] =
            std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
        if (error == std::errc()) {
            out.append(text, end - text);
            return;
        }
    }
    out.append(QByteArray::number(value, 'g', QLocale::FloatingPointShortest));
}

QString fixedText(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// What every case shares about one grid row, for the lean line: the item,
// the row, and the interpretation of each band of each of its band tables
// (the table for "Male" or the only one first, then the one for "Female",
// then each unit variant's), and the interpretation when no band is chosen.
struct LineRow {
    const ItemDescriptor* item = nullptr;
    size_t row = 0;
    QStringList sentences;
    QString noBand;
};

QString interpretationOf(const ItemRow& row, const char* bandText)
{
    return row.prefix || row.suffix
               ? fixedText(row.prefix) + fixedText(bandText) + fixedText(row.suffix)
               : fixedText(bandText);
}

// Every grid row, in grid order, and where each item's rows start.
struct LineRows {
    std::vector<LineRow> rows;
    std::array<size_t, ItemCount> first{};
};

const LineRows& lineRows()
{
    static const LineRows all = [] {
        LineRows out;
        for (const ItemDescriptor& item : overviewItems()) {
            out.first[size_t(item.id)] = out.rows.size();
            const std::span<const ItemRow> rows = item.rows();
            for (size_t r = 0; r < rows.size(); ++r) {
                LineRow line{&item, r, {}, interpretationOf(rows[r], nullptr)};
                for (std::span<const Band> table : {rows[r].bands, rows[r].femaleBands}) {
                    for (const Band& band : table)
                        line.sentences << interpretationOf(rows[r], band.text);
                }
                for (const UnitVariant& variant : rows[r].unitVariants) {
                    for (const Band& band : variant.bands)
                        line.sentences << interpretationOf(rows[r], band.text);
                }
                out.rows.push_back(std::move(line));
            }
        }
        return out;
    }();
    return all;
}

// The place of each analyte in itemsJson's fields.
int fieldIndex(AnalyteId id)
{
    static const std::array<int, AnalyteCount> places = [] {
        std::array<int, AnalyteCount> out{};
        int i = 0;
        for (const Analyte& a : analytes())
            out[size_t(a.id)] = i++;
        return out;
    }();
    return places[size_t(id)];
}

// The unit table a row's working took, for a row with unit variants: 0 for
// the row's own, 1 on for its variants; -1 for every other row.
int unitTable(const ItemRow& row, const RowWorking& work)
{
    if (row.unitVariants.empty())
        return -1;
    for (size_t v = 0; v < row.unitVariants.size(); ++v) {
        if (work.formula == row.unitVariants[v].formula)
            return int(v) + 1;
    }
    return 0;
}

// Where a unit table's bands start among the interpretations of its row.
int firstBandOf(const ItemRow& row, int table)
{
    if (table <= 0)
        return 0;
    size_t first = row.bands.size() + row.femaleBands.size();
    for (int v = 0; v + 1 < table; ++v)
        first += row.unitVariants[size_t(v)].bands.size();
    return int(first);
}

// The unit tables of a row with unit variants, for itemsJson: each with the
// unit of its values, the field and unit typed that choose it (none for the
// row's own), where its bands start among the row's interpretations, its
// variant and its bands.
QJsonArray unitTablesJson(const ItemRow& row, const std::vector<RowVariant>& variants)
{
    QJsonArray out;
    for (size_t t = 0; t <= row.unitVariants.size(); ++t) {
        const UnitVariant* variant = t > 0 ? &row.unitVariants[t - 1] : nullptr;
        const Formula* formula = variant ? variant->formula : row.formula;
        QJsonValue index(QJsonValue::Null), bands(QJsonValue::Null);
        for (size_t v = 0; v < variants.size(); ++v) {
            if (variants[v].formula == formula) {
                index = int(v);
                bands = bandsJson(variants[v].bands);
                break;
            }
        }
        out << QJsonObject{
            {QStringLiteral("unit"), resultUnit(*formula)},
            {QStringLiteral("field"), variant ? QJsonValue(analyte(variant->input).fieldName())
                                              : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("fieldUnit"),
             variant ? QJsonValue(QLatin1String(variant->unit)) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("firstBand"), firstBandOf(row, int(t))},
            {QStringLiteral("variant"), index},
            {QStringLiteral("bands"), bands},
        };
    }
    return out;
}

// The band number a lean line gives for a row: the band's place among the
// bands of every table of the row, or -1 for none. A row that decides on its
// shown number is found by its interpretation where only one band of its
// table gives it, which spares reading the number back.
int lineBand(const ItemRow& row, const RowWorking& work, double value, const LineRow& shared,
             const QString& interpretation)
{
    if (!work.formula || work.bands.empty())
        return -1;
    const int table = unitTable(row, work);
    const int offset = table > 0 ? firstBandOf(row, table)
                       : !row.femaleBands.empty() && work.bands.data() == row.femaleBands.data()
                           ? int(row.bands.size())
                           : 0;
    if (decidesOnShown(work.formula->shown) && std::isfinite(value)) {
        int found = -1;
        for (int b = 0; b < int(work.bands.size()); ++b) {
            if (offset + b < shared.sentences.size() &&
                shared.sentences[offset + b] == interpretation) {
                if (found >= 0) {
                    found = -1;
                    break;
                }
                found = b;
            }
        }
        if (found >= 0)
            return offset + found;
    }
    const int band = bandIndex(bandValue(work.formula->shown, value), work.bands);
    return band < 0 ? -1 : offset + band;
}

// The place of each note template in itemsJson's noteTemplates, by its id
// and text (items that share a sentence have a template each), for the
// locale the last line was written in.
int noteTemplateIndex(const QString& id, const QString& pattern, const QLocale& locale)
{
    struct Index {
        QLocale locale;
        QHash<QString, int> places;
    };
    thread_local std::optional<Index> index;
    if (!index || index->locale != locale) {
        index.emplace(Index{locale, {}});
        const QList<NoteTemplate> all = noteTemplates(locale);
        for (qsizetype i = 0; i < all.size(); ++i)
            index->places.insert(all[i].id + u'\n' + all[i].text, int(i));
    }
    return index->places.value(id + u'\n' + pattern, -1);
}

// A note as a lean line carries it: the place of its template in
// itemsJson's noteTemplates, then the texts that fill its %1, %2, … in
// order; a note without a template there is written as its text.
void appendNote(QByteArray& out, const Note& note, const QLocale& locale)
{
    const int place =
        note.pattern.isEmpty() ? -1 : noteTemplateIndex(note.id, note.pattern, locale);
    if (place < 0) {
        appendString(out, note.text);
        return;
    }
    appendWhole(out, place);
    for (const QString& argument : note.arguments) {
        out.append(',');
        appendString(out, argument);
    }
}

} // namespace

// The dated and unsourced notes of every row, by row name: they say the same
// whatever the case.
QHash<QString, QJsonArray> evidenceNotesByRow()
{
    QHash<QString, QJsonArray> out;
    const Inputs inputs(completeCase("Male"), QLocale::c());
    for (const ItemEvaluation& evaluation : evaluateItems(inputs)) {
        if (!evaluation.computable())
            continue;
        const auto names = evaluation.item->rowNames();
        for (size_t r = 0; r < names.size(); ++r) {
            QList<Note> notes =
                rowNotes(evaluation.item->id, int(r), inputs, *evaluation.outcome, QLocale::c());
            notes.removeIf([](const Note& note) {
                return note.kind != NoteKind::Dated && note.kind != NoteKind::Unsourced;
            });
            out.insert(QString::fromLatin1(names[r]), notesJson(notes));
        }
    }
    return out;
}

QJsonObject itemsJson(const QLocale& locale)
{
    const QHash<QString, std::vector<RowVariant>>& variants = rowVariants();
    const QHash<QString, QJsonArray> evidence = evidenceNotesByRow();
    const LineRows& table = lineRows();
    QJsonArray items;
    for (const ItemDescriptor& item : overviewItems()) {
        const QString name = QString::fromLatin1(item.listText);
        QJsonArray rows;
        const size_t first = table.first[size_t(item.id)];
        for (size_t r = 0; r < item.rowNames().size(); ++r) {
            const QString rowName = QString::fromLatin1(item.rowNames()[r]);
            QJsonArray list;
            for (const RowVariant& variant : variants.value(rowName))
                list << variant.json();
            const LineRow& line = table.rows[first + r];
            QJsonObject row{
                {QStringLiteral("name"), rowName},
                {QStringLiteral("variants"), list},
                {QStringLiteral("interpretations"), QJsonArray::fromStringList(line.sentences)},
                {QStringLiteral("noBand"), line.noBand},
                {QStringLiteral("notes"), evidence.value(rowName)}};
            // A row worked in the unit typed has a table per unit; its case
            // rows name the one they took.
            if (!item.rows()[r].unitVariants.empty())
                row.insert(QStringLiteral("tables"),
                           unitTablesJson(item.rows()[r], variants.value(rowName)));
            rows << row;
        }
        items << QJsonObject{{QStringLiteral("name"), name},
                             {QStringLiteral("rows"), rows},
                             {QStringLiteral("sources"), itemSourcesJson(item.id)},
                             {QStringLiteral("origin"), originJson(item.id)}};
    }
    QJsonArray fields;
    for (const Analyte& a : analytes()) {
        QJsonArray units;
        QStringList unitKeys;
        if (a.unitKind == UnitKind::List) {
            for (const UnitChoice& choice : a.unitChoices()) {
                units << QString::fromLatin1(choice.text);
                unitKeys << QString::fromLatin1(choice.text);
            }
        } else {
            unitKeys << QString();
        }
        // The tooltip's reference line for each unit the field can be in,
        // by the gender typed: "Male", "Female", and "" for any other.
        QJsonObject reference;
        if (a.id != AnalyteId::Gender) {
            const QString field = a.fieldName();
            for (const QString& unit : unitKeys) {
                QJsonObject byGender;
                for (const char* gender : {GenderMale, GenderFemale, ""}) {
                    const QString genderText = QString::fromLatin1(gender);
                    const QString text = referenceIntervalText(field, unit, genderText, locale);
                    byGender.insert(genderText, text.isEmpty() ? QJsonValue(QJsonValue::Null)
                                                               : QJsonValue(text));
                }
                reference.insert(unit, byGender);
            }
        }
        fields << QJsonObject{
            {QStringLiteral("field"), a.fieldName()},
            {QStringLiteral("unit"), a.unitFieldName()},
            {QStringLiteral("units"),
             a.unitKind == UnitKind::List ? QJsonValue(units) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("reference"), reference},
        };
    }
    QJsonArray templates;
    for (const NoteTemplate& note : noteTemplates(locale))
        templates << QJsonObject{{QStringLiteral("id"), note.id},
                                 {QStringLiteral("text"), note.text}};
    const auto list = [](std::initializer_list<const char*> names) {
        QJsonArray out;
        for (const char* name : names)
            out << QString::fromLatin1(name);
        return out;
    };
    const QJsonObject layout{
        {QStringLiteral("inputs"), list({"text", "unit", "value"})},
        {QStringLiteral("findings"), list({"item", "field", "kind", "text"})},
        {QStringLiteral("hints"), list({"field", "text"})},
        {QStringLiteral("rows"), list({"result", "value", "band"})},
        {QStringLiteral("notes"), list({"row", "template", "arguments"})},
    };
    return QJsonObject{{QStringLiteral("caseLine"), layout},
                       {QStringLiteral("fields"), fields},
                       {QStringLiteral("items"), items},
                       {QStringLiteral("noteTemplates"), templates}};
}

void appendCaseLine(QByteArray& out, QStringView caseId, const Inputs& inputs,
                    const QList<ItemEvaluation>& evaluations)
{
    out.append("{\"case\":");
    appendString(out, caseId);
    out.append(",\"inputs\":[");
    bool first = true;
    for (const Analyte& a : analytes()) {
        if (!first)
            out.append(',');
        first = false;
        const ConvertedInput& in = inputs[a.id];
        if (in.valueText.isEmpty() && in.unitText.isEmpty()) {
            out.append("null");
            continue;
        }
        out.append('[');
        appendString(out, in.valueText);
        out.append(',');
        if (a.unitKind != UnitKind::List) {
            out.append("null");
        } else {
            const auto choices = a.unitChoices();
            const auto known =
                std::find_if(choices.begin(), choices.end(), [&in](const UnitChoice& c) {
                    return in.unitText == QLatin1StringView(c.text);
                });
            if (known != choices.end())
                appendWhole(out, known - choices.begin());
            else
                appendString(out, in.unitText);
        }
        out.append(',');
        appendNumber(out, in.converted);
        out.append(']');
    }
    out.append("],\"findings\":[");
    first = true;
    for (const ItemEvaluation& evaluation : evaluations) {
        for (const Finding& finding : evaluation.findings) {
            out.append(first ? "[" : ",[");
            first = false;
            appendWhole(out, int(evaluation.item->id));
            out.append(',');
            if (finding.analyte)
                appendWhole(out, fieldIndex(*finding.analyte));
            else
                out.append("null");
            out.append(',');
            appendString(out, kindName(finding.kind));
            out.append(',');
            appendString(out, finding.text);
            out.append(']');
        }
    }
    out.append("],\"hints\":[");
    first = true;
    for (const FieldHint& hint : caseHints(inputs)) {
        out.append(first ? "[" : ",[");
        first = false;
        appendWhole(out, fieldIndex(hint.analyte));
        out.append(',');
        appendString(out, hint.text);
        out.append(']');
    }
    out.append("],\"rows\":[");
    const LineRows& table = lineRows();
    QByteArray notes;
    size_t next = 0; // the grid row to write next
    for (const ItemEvaluation& evaluation : evaluations) {
        const ItemDescriptor& item = *evaluation.item;
        const size_t start = table.first[size_t(item.id)];
        const std::span<const ItemRow> rows = item.rows();
        for (size_t r = 0; r < rows.size(); ++r) {
            const size_t at = start + r;
            // evaluateItems gives every item in overview order, so the rows
            // come in grid order, each once.
            Q_ASSERT(at == next);
            if (next++ > 0)
                out.append(',');
            if (!evaluation.computable() || qsizetype(r) >= evaluation.outcome->rows.size()) {
                out.append("null");
                continue;
            }
            const Outcome& outcome = *evaluation.outcome;
            const ResultRow& row = outcome.rows[qsizetype(r)];
            const double value =
                qsizetype(r) < outcome.values.size() ? outcome.values[qsizetype(r)] : std::nan("");
            const RowWorking work = qsizetype(r) < outcome.working.size()
                                        ? outcome.working[qsizetype(r)]
                                        : RowWorking{};
            out.append('[');
            appendString(out, row.result);
            out.append(',');
            appendNumber(out, value);
            out.append(',');
            // The band's number, whose interpretation itemsJson holds; the
            // text itself where the row says something else.
            const LineRow& shared = table.rows[at];
            const int band = lineBand(rows[r], work, value, shared, row.interpretation);
            const QString& expected = band >= 0 && band < shared.sentences.size()
                                          ? shared.sentences[band]
                                          : shared.noBand;
            if (expected != row.interpretation)
                appendString(out, row.interpretation);
            else if (band >= 0)
                appendWhole(out, band);
            else
                out.append("null");
            // A row with a table per unit: the table it took.
            if (const int unit = unitTable(rows[r], work); unit >= 0) {
                out.append(',');
                appendWhole(out, unit);
            }
            out.append(']');
            for (const Note& note : caseNotes(item.id, int(r), inputs, outcome, inputs.locale(),
                                              NoteParts::Template)) {
                notes.append(notes.isEmpty() ? "[" : ",[");
                appendWhole(notes, qsizetype(at));
                notes.append(',');
                appendNote(notes, note, inputs.locale());
                notes.append(']');
            }
        }
    }
    out.append("],\"notes\":[");
    out.append(notes);
    out.append("]}\n");
}

void appendFullCaseLine(QByteArray& out, QStringView caseId, const Inputs& inputs,
                        const QList<ItemEvaluation>& evaluations)
{
    const QList<FieldHint> hints = caseHints(inputs);
    out.append("{\"case\":");
    appendString(out, caseId);
    out.append(",\"inputs\":{");
    bool first = true;
    for (const Analyte& a : analytes()) {
        const ConvertedInput& in = inputs[a.id];
        if (in.valueText.isEmpty() && in.unitText.isEmpty())
            continue;
        if (!first)
            out.append(',');
        first = false;
        appendString(out, a.fieldName());
        out.append(":[");
        appendString(out, in.valueText);
        out.append(',');
        if (a.unitKind == UnitKind::List)
            appendString(out, in.unitText);
        else
            out.append("null");
        out.append(',');
        appendNumber(out, in.converted);
        out.append(',');
        if (const QString reference = referenceText(inputs, a.id); !reference.isEmpty())
            appendString(out, reference);
        else
            out.append("null");
        out.append(']');
    }
    out.append("},\"findings\":[");
    first = true;
    for (const ItemEvaluation& evaluation : evaluations) {
        for (const Finding& finding : evaluation.findings) {
            out.append(first ? "[" : ",[");
            first = false;
            appendString(out, QString::fromLatin1(evaluation.item->listText));
            out.append(',');
            if (finding.analyte)
                appendString(out, analyte(*finding.analyte).fieldName());
            else
                out.append("null");
            out.append(',');
            appendString(out, kindName(finding.kind));
            out.append(',');
            appendString(out, finding.text);
            out.append(']');
        }
    }
    out.append("],\"hints\":[");
    first = true;
    for (const FieldHint& hint : hints) {
        out.append(first ? "[" : ",[");
        first = false;
        appendString(out, analyte(hint.analyte).fieldName());
        out.append(',');
        appendString(out, hint.text);
        out.append(']');
    }
    out.append("],\"rows\":{");
    first = true;
    // The rows as the derivation names and works them out, without the
    // derivation itself: its texts are what itemsJson holds.
    const QHash<QString, std::vector<RowVariant>>& variants = rowVariants();
    const std::vector<RowVariant> none;
    QList<std::pair<QString, QList<Note>>> rowNoteLists; // rows with notes, in row order
    for (const ItemEvaluation& evaluation : evaluations) {
        if (!evaluation.computable())
            continue;
        const Outcome& outcome = *evaluation.outcome;
        const auto names = evaluation.item->rowNames();
        std::optional<Derivation> derived; // only for a variant itemsJson lacks
        for (qsizetype i = 0; i < outcome.rows.size(); ++i) {
            const ResultRow& row = outcome.rows[i];
            const QString name = row.name.isEmpty() && size_t(i) < names.size()
                                     ? QString::fromLatin1(names[size_t(i)])
                                     : row.name;
            const double value = i < outcome.values.size() ? outcome.values[i] : std::nan("");
            const RowWorking work = i < outcome.working.size() ? outcome.working[i] : RowWorking{};
            // The dated and unsourced notes are the row's in every case:
            // itemsJson holds them.
            QList<Note> notes =
                rowNotes(evaluation.item->id, int(i), inputs, *evaluation.outcome, inputs.locale());
            notes.removeIf([](const Note& note) {
                return note.kind != NoteKind::Context && note.kind != NoteKind::Rounding;
            });
            if (!notes.isEmpty())
                rowNoteLists.append({name, std::move(notes)});
            if (!first)
                out.append(',');
            first = false;
            appendString(out, name);
            out.append(":[");
            appendString(out, row.result);
            out.append(',');
            appendNumber(out, value);
            out.append(',');
            appendString(out, row.interpretation);
            out.append(',');
            const int band =
                bandIndex(work.formula ? bandValue(work.formula->shown, value) : value, work.bands);
            if (band >= 0)
                out.append(QByteArray::number(band));
            else
                out.append("null");
            out.append(',');
            appendString(out, work.formula
                                  ? formulaText(*work.formula, FormulaStyle::Substituted, inputs)
                                  : QString());

            const auto known = variants.constFind(name);
            const std::vector<RowVariant>& list = known == variants.constEnd() ? none : *known;
            // The variant of the same formula and bands; of several such, the
            // one of the same expression.
            qsizetype match = -1;
            int candidates = 0;
            for (size_t v = 0; v < list.size(); ++v) {
                if (list[v].formula == work.formula && list[v].table.data() == work.bands.data() &&
                    list[v].table.size() == work.bands.size() && candidates++ == 0)
                    match = qsizetype(v);
            }
            if (candidates > 1 && work.formula) {
                const QString expression =
                    formulaText(*work.formula, FormulaStyle::Expression, inputs);
                match = -1;
                for (size_t v = 0; v < list.size() && match < 0; ++v) {
                    if (list[v].formula == work.formula && list[v].expression == expression)
                        match = qsizetype(v);
                }
            }
            if (match < 0) {
                if (!derived)
                    derived = derive(*evaluation.item, inputs, outcome, hints);
                out.append(',');
                out.append(QJsonDocument(RowVariant(derived->rows.value(i)).json())
                               .toJson(QJsonDocument::Compact));
            } else if (list.size() > 1) {
                out.append(',');
                out.append(QByteArray::number(match));
            }
            out.append(']');
        }
    }
    out.append("},\"notes\":{");
    first = true;
    for (const auto& [name, notes] : rowNoteLists) {
        if (!first)
            out.append(',');
        first = false;
        appendString(out, name);
        out.append(":[");
        for (qsizetype n = 0; n < notes.size(); ++n) {
            out.append(n == 0 ? "[" : ",[");
            appendString(out, noteKindName(notes[n].kind));
            out.append(',');
            appendString(out, notes[n].text);
            out.append(",[");
            for (qsizetype s = 0; s < notes[n].sources.size(); ++s) {
                if (s > 0)
                    out.append(',');
                appendString(out, notes[n].sources[s]);
            }
            out.append("]]");
        }
        out.append(']');
    }
    out.append("}}\n");
}

QJsonObject caseJson(const Inputs& inputs, const QList<ItemEvaluation>& evaluations)
{
    const QList<FieldHint> hints = caseHints(inputs);
    QJsonArray items;
    for (const ItemEvaluation& evaluation : evaluations) {
        const QString name = QString::fromLatin1(evaluation.item->listText);
        QJsonArray findings;
        for (const Finding& finding : evaluation.findings)
            findings << findingJson(finding, true);
        QJsonArray rows;
        if (evaluation.computable()) {
            const Derivation d = derive(*evaluation.item, inputs, *evaluation.outcome, hints);
            const std::span<const ItemRow> itemRows = evaluation.item->rows();
            for (qsizetype i = 0; i < d.rows.size(); ++i) {
                QJsonObject row = rowJson(d.rows[i]);
                // A row with a table per unit: the one it took, and its unit.
                const RowWorking work = i < evaluation.outcome->working.size()
                                            ? evaluation.outcome->working[i]
                                            : RowWorking{};
                if (size_t(i) < itemRows.size() && work.formula) {
                    if (const int unit = unitTable(itemRows[size_t(i)], work); unit >= 0) {
                        row.insert(QStringLiteral("table"), unit);
                        row.insert(QStringLiteral("unit"), resultUnit(*work.formula));
                    }
                }
                rows << row;
            }
        }
        items << QJsonObject{
            {QStringLiteral("name"), name},
            {QStringLiteral("computed"), evaluation.computable()},
            {QStringLiteral("findings"), findings},
            {QStringLiteral("rows"), rows},
            {QStringLiteral("sources"), itemSourcesJson(evaluation.item->id)},
            {QStringLiteral("origin"), originJson(evaluation.item->id)},
        };
    }
    return QJsonObject{{QStringLiteral("inputs"), inputsJson(inputs)},
                       {QStringLiteral("items"), items}};
}

} // namespace quarvex
