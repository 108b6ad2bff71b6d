#include "calc/items.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace quarvex {

// The descriptors, each defined in its category's file beside its formulas,
// band tables and texts.
extern const ItemDescriptor CholesterolLevelsItem, CholesterolHdlRatioItem, LdlHdlRatioItem,
    Adult3Item;
extern const ItemDescriptor AmylaseClearanceItem, CreatinineClearanceItem,
    FractionalPotassiumExcretionItem, RenalCalciumClearanceItem, RenalFailureIndexItem,
    FractionalSodiumExcretionItem, PhosphorusClearanceItem;
extern const ItemDescriptor UrateCreatinineRatioItem, UrinaryPotassiumExcretionItem,
    UreaCreatinineRatiosItem, UrineProteinCreatinineRatioItem;
extern const ItemDescriptor AstAltRatioItem, AlbuminGlobulinRatioItem, BilirubinRatioItem,
    FerritinStoresItem, TransferrinSaturationItem, TibcCalculatedItem, TransferrinCalculatedItem;
extern const ItemDescriptor EgfrCkdEpiItem, ProteinuriaCategoryItem, FractionalUreaExcretionItem,
    NonHdlCholesterolItem, LdlFriedewaldItem, LdlSampsonItem;

namespace {

// In the order of the overview, which is ItemId order.
constexpr const ItemDescriptor* Gathered[] = {
    &CholesterolLevelsItem,
    &CholesterolHdlRatioItem,
    &LdlHdlRatioItem,
    &Adult3Item,
    &AmylaseClearanceItem,
    &CreatinineClearanceItem,
    &FractionalPotassiumExcretionItem,
    &RenalCalciumClearanceItem,
    &RenalFailureIndexItem,
    &FractionalSodiumExcretionItem,
    &PhosphorusClearanceItem,
    &UrateCreatinineRatioItem,
    &UrinaryPotassiumExcretionItem,
    &UreaCreatinineRatiosItem,
    &UrineProteinCreatinineRatioItem,
    &AstAltRatioItem,
    &AlbuminGlobulinRatioItem,
    &BilirubinRatioItem,
    &FerritinStoresItem,
    &TransferrinSaturationItem,
    &TibcCalculatedItem,
    &TransferrinCalculatedItem,
    &EgfrCkdEpiItem,
    &ProteinuriaCategoryItem,
    &FractionalUreaExcretionItem,
    &NonHdlCholesterolItem,
    &LdlFriedewaldItem,
    &LdlSampsonItem,
};
static_assert(std::size(Gathered) == size_t(ItemCount), "every item is gathered once");

// The descriptors side by side (each is a constant of its own file, so it is
// initialised before any code runs). A table out of ItemId order is a
// programming error that every run of the program and its tests stops at.
template <size_t... I>
std::array<ItemDescriptor, ItemCount> gather(std::index_sequence<I...>)
{
    std::array<ItemDescriptor, ItemCount> out{*Gathered[I]...};
    for (size_t i = 0; i < out.size(); ++i) {
        if (out[i].id != ItemId(i))
            qFatal("item %d is gathered out of ItemId order", int(i));
    }
    return out;
}

// Copied once, on first use.
const std::array<ItemDescriptor, ItemCount>& table()
{
    static const std::array<ItemDescriptor, ItemCount> items =
        gather(std::make_index_sequence<ItemCount>());
    return items;
}

} // namespace

std::span<const ItemDescriptor> overviewItems()
{
    return table();
}

QString shownItemText(const QString& english)
{
    return QCoreApplication::translate(ItemContext, english.toUtf8().constData());
}

QString ItemRow::shownName() const
{
    return QCoreApplication::translate(ItemContext, name);
}

QString ItemDescriptor::shownListText() const
{
    return QCoreApplication::translate(ItemContext, listText);
}

const ItemDescriptor& item(ItemId id)
{
    return table()[size_t(id)];
}

} // namespace quarvex
