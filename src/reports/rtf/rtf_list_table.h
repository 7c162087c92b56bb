#pragma once

#include "rtf_list.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace quillon {

// The lists of an RTF file, read from its {\*\listtable ...} and {\*\listoverridetable ...}
// destinations: each \list's levels with their numbering format, start value and label text,
// and which list each \lsN paragraph number stands for. The reader hands it the groups, words,
// bytes and characters of both destinations, then finish()es it; paragraphs then ask for the
// definition of their \ls number and number their items through RtfListNumbering.
class RtfListTable {
public:
    // How the bytes of a label are read: in the code page or symbol set of the font (\fN) the
    // level names; -1 when it names none.
    using Decoder = std::function<QString(QByteArrayView bytes, int font)>;
    // How a character given as such reads in that font (a symbol font's private-use code, \u61623,
    // as its sign).
    using CharacterReader = std::function<QChar(QChar c, int font)>;

    void groupOpened();
    void groupClosed();
    void handleWord(QByteArrayView word, int parameter);
    // Text bytes and hex escapes, as they stand in the file.
    void appendBytes(QByteArrayView bytes);
    // Characters given as such (\uN, \bullet, ...).
    void appendText(const QString &text);
    // Reads the labels' bytes; call once both tables are read, before definition().
    void finish(const Decoder &decode, const CharacterReader &readCharacter);

    // The list a \lsN paragraph belongs to; none when the file defines no such number.
    std::optional<RtfListDefinition> definition(int listNumber) const;

private:
    enum class Role { None, List, Level, LevelText, Override, Other };
    // A label's content in file order: bytes (with the length byte first) and characters.
    struct LabelPiece {
        bool isByte;
        char16_t value;
    };
    struct PendingLevel {
        RtfListLevel level;
        std::vector<LabelPiece> label;
        int font = -1;
    };
    struct PendingList {
        int id = 0;
        std::vector<PendingLevel> levels;
    };

    static constexpr size_t roleCount = size_t(Role::Other) + 1;
    // Sets the role of the innermost group, keeping the counts of open roles.
    void setRole(Role role);
    bool isOpen(Role role) const { return m_openRoles[size_t(role)] > 0; }

    std::vector<Role> m_roles;
    // How many open groups have each role, so that a word asks in constant time whether it is
    // inside one.
    std::array<int, roleCount> m_openRoles{};
    std::vector<PendingList> m_pending;
    std::map<int, RtfListDefinition> m_lists; // by \listid
    std::map<int, int> m_overrides;           // \ls number -> \listid
    int m_overrideList = 0;
    std::optional<int> m_overrideNumber;
    // How many groups were open where the label being read began; 0 outside a label.
    size_t m_labelDepth = 0;
    bool inLabel() const { return m_labelDepth > 0; }
};

// The numbers of a document's list items as Word and LibreOffice count them: each list counts
// on from its previous item wherever it is; an item at a level starts every deeper level again
// from its start value.
class RtfListNumbering {
public:
    // The label of the next item of list `listNumber` at `level`.
    QString nextLabel(int listNumber, const RtfListDefinition &definition, int level);

private:
    struct Counters {
        std::array<int, RtfListDefinition::levelCount> numbers{};
        std::array<bool, RtfListDefinition::levelCount> started{};
    };
    std::map<int, Counters> m_counters;
};

} // namespace quillon
