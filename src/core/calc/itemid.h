#pragma once

namespace quarvex {

// The 28 calculations: the 22 older items, then the current equations beside
// them, in the order of the overview's list, grid and export.
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
    EgfrCkdEpi,
    ProteinuriaCategory,
    FractionalUreaExcretion,
    NonHdlCholesterol,
    LdlFriedewald,
    LdlSampson,
};

inline constexpr int ItemCount = 28;

} // namespace quarvex
