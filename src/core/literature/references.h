#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace quarvex {

// How far a reference was checked: seen where it is cited (verified), seen in
// part (the part not seen is named in the remark), or cited from memory.
enum class Verification { Verified, PartlyVerified, Unverified };

// One entry of the literature list every source and range of the program
// points to, by its short id ("R1", "U5").
struct Reference {
    const char* id;
    const char* citation; // authors, title, journal, year, volume, pages; DOI/PMID only where seen
    int year;             // year of publication; 0 where the citation carries none
    Verification verification;
    const char* remark; // the part not seen, or the kind of a secondary source; "" if none
    const char* seenAt; // where the reference was seen; "" for one cited from memory

    QString idText() const { return QString::fromLatin1(id); }
    QString citationText() const { return QString::fromUtf8(citation); }
    std::optional<int> publicationYear() const
    {
        return year > 0 ? std::optional<int>(year) : std::nullopt;
    }
    // Only a fully verified reference counts as verified.
    bool verified() const { return verification == Verification::Verified; }
    // A short note on how far the reference was checked: "" for a verified
    // primary source, else e.g. "Partly verified: authors not shown." or
    // "Unverified: cited from memory."
    QString verificationNote() const;
};

// The whole list, in the order R1..R102, U1..U15.
std::span<const Reference> references();

// The reference with the given id, or nullptr.
const Reference* findReference(QStringView id);

} // namespace quarvex
