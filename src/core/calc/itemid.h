#pragma once

namespace quarvex {

// The 22 calculations, in the order of the overview's list, grid and export.
enum class ItemId : int {
    CholesterolLevels,
    CholesterolHdlRatio,
    LdlHdlRatio,
    Adult3,
    AmylaseClearance,
    CreatinineClearance,
    FractionalPotassiumExcretion,
    RenalCalciumClearance,
    RenalFailureIndex,
    FractionalSodiumExcretion,
    PhosphorusClearance,
    UrateCreatinineRatio,
    UrinaryPotassiumExcretion,
    UreaCreatinineRatios,
    UrineProteinCreatinineRatio,
    AstAltRatio,
    AlbuminGlobulinRatio,
    BilirubinRatio,
    FerritinStores,
    TransferrinSaturation,
    TibcCalculated,
    TransferrinCalculated,
};

inline constexpr int ItemCount = 22;

} // namespace quarvex
