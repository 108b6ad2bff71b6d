#pragma once

#include "calc/itemid.h"
#include "literature/references.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace quarvex {

// What a source stands behind for an item: its formula, its bands and texts,
// or the current guidance where the bands are dated or differ from it.
enum class SourceRole { Formula, Bands, Guidance };

// One source of an item, ready to be written out as
// { citation, year, verified, note }.
struct Source {
    SourceRole role;
    const Reference* reference; // never null
    QString note; // what it supports here, then how far it was checked ("" if nothing to say)

    QString id() const { return reference->idText(); }
    QString citation() const { return reference->citationText(); }
    std::optional<int> year() const { return reference->publicationYear(); }
    bool verified() const { return reference->verified(); }
};

// Where an item's formula and bands come from, and what a learner should know.
struct ItemSources {
    ItemId item;
    QString formulaOrigin; // one line: where the formula comes from
    QString bandsOrigin;   // one line: where the bands and texts come from (or that there are none)
    QString guidance;      // one line: how current guidance differs, naming the current reference
    QString ownChoice;     // values that are this program's own choice; "" if none
    QString caveat;        // what a learner should keep in mind; "" if nothing specific
    QList<Source> sources; // at least one
};

// The sources of the item, or nothing for an item the table does not hold.
std::optional<ItemSources> itemSources(ItemId item);

// The lines an item's worked steps carry besides its arithmetic: what changed
// from an older form of the item and why, and when its result may be read.
// Empty for an item with nothing to add.
QStringList stepNotes(ItemId item);

QString sourceRoleName(SourceRole role); // "formula", "bands", "guidance"

} // namespace quarvex
