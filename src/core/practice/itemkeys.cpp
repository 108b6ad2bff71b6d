#include "practice/itemkeys.h"

#include "calc/items.h"

#include <iterator>

namespace quarvex {

namespace {

struct ItemKey {
    ItemId id;
    const char* key;
};

using I = ItemId;

// One id per item, in ItemId order. A new item needs its id here.
constexpr ItemKey Keys[] = {
    {I::CholesterolLevels, "cholesterol-levels"},
    {I::CholesterolHdlRatio, "cholesterol-hdl-ratio"},
    {I::LdlHdlRatio, "ldl-hdl-ratio"},
    {I::Adult3, "atp3-classification"},
    {I::AmylaseClearance, "amylase-creatinine-clearance-ratio"},
    {I::CreatinineClearance, "creatinine-clearance"},
    {I::FractionalPotassiumExcretion, "fractional-potassium-excretion"},
    {I::RenalCalciumClearance, "calcium-creatinine-clearance-ratio"},
    {I::RenalFailureIndex, "renal-failure-index"},
    {I::FractionalSodiumExcretion, "fractional-sodium-excretion"},
    {I::PhosphorusClearance, "phosphorus-clearance"},
    {I::UrateCreatinineRatio, "urate-creatinine-ratio"},
    {I::UrinaryPotassiumExcretion, "urinary-potassium-excretion"},
    {I::UreaCreatinineRatios, "urea-creatinine-ratios"},
    {I::UrineProteinCreatinineRatio, "protein-creatinine-ratio"},
    {I::AstAltRatio, "ast-alt-ratio"},
    {I::AlbuminGlobulinRatio, "albumin-globulin-ratio"},
    {I::BilirubinRatio, "direct-total-bilirubin-ratio"},
    {I::FerritinStores, "ferritin-iron-stores"},
    {I::TransferrinSaturation, "transferrin-saturation"},
    {I::TibcCalculated, "tibc-calculated"},
    {I::TransferrinCalculated, "transferrin-calculated"},
};

static_assert(std::size(Keys) == size_t(ItemCount), "every item needs a stable id");
static_assert(listedInIdOrder(Keys), "the ids must be listed in ItemId order");

} // namespace

QString itemKey(ItemId id)
{
    return QString::fromLatin1(Keys[size_t(id)].key);
}

std::optional<ItemId> findItem(QStringView text)
{
    const QStringView wanted = text.trimmed();
    for (const ItemKey& key : Keys) {
        if (wanted.compare(QLatin1String(key.key), Qt::CaseInsensitive) == 0 ||
            wanted.compare(QLatin1String(item(key.id).listText), Qt::CaseInsensitive) == 0)
            return key.id;
    }
    return std::nullopt;
}

} // namespace quarvex
