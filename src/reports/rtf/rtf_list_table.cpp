#include "rtf_list_table.h"

#include <algorithm>
#include <climits>

namespace quillon {

namespace {

// The longest label a level's text gives: its first byte counts its characters.
constexpr qsizetype maxLabelLength = 255;
// What a label may hold as read: its count, and each character as up to two bytes of a
// double-byte code page. The rest of an oversized text is never shown.
constexpr size_t maxLabelPieces = 1 + 2 * maxLabelLength;
// The start values Word allows; a larger one would overflow as the items count on.
constexpr int maxListStart = 32767;

} // namespace

void RtfListTable::groupOpened() {
    m_roles.push_back(Role::None);
    ++m_openRoles[size_t(Role::None)];
}

void RtfListTable::setRole(Role role) {
    if (m_roles.empty())
        return;
    --m_openRoles[size_t(m_roles.back())];
    m_roles.back() = role;
    ++m_openRoles[size_t(role)];
}

void RtfListTable::groupClosed() {
    if (m_roles.empty())
        return;
    // A label's text ends with the group its \leveltext is in, whatever other words that group
    // holds.
    if (m_labelDepth == m_roles.size())
        m_labelDepth = 0;
    const Role role = m_roles.back();
    m_roles.pop_back();
    --m_openRoles[size_t(role)];
    if (role == Role::Override) {
        if (m_overrideNumber)
            m_overrides[*m_overrideNumber] = m_overrideList;
        m_overrideNumber.reset();
        m_overrideList = 0;
    }
}

void RtfListTable::handleWord(QByteArrayView word, int parameter) {
    // A label's text holds no lists or levels; one named there would leave the label without its
    // level.
    if (inLabel() && (word == "list" || word == "listlevel"))
        return;
    if (word == "list") {
        setRole(Role::List);
        m_pending.emplace_back();
    } else if (word == "listlevel" && !m_pending.empty()) {
        setRole(Role::Level);
        m_pending.back().levels.emplace_back();
    } else if (word == "leveltext" && !m_pending.empty() && !m_pending.back().levels.empty()) {
        setRole(Role::LevelText);
        m_pending.back().levels.back().label.clear();
        m_labelDepth = m_roles.size();
    } else if (word == "levelnumbers" || word == "listname" || word == "lfolevel") {
        setRole(Role::Other);
    } else if (word == "listoverride") {
        setRole(Role::Override);
        m_overrideList = 0;
        m_overrideNumber.reset();
    } else if (word == "listid") {
        if (isOpen(Role::Override))
            m_overrideList = parameter;
        else if (!m_pending.empty())
            m_pending.back().id = parameter;
    } else if (word == "ls") {
        m_overrideNumber = parameter;
    } else if (!m_pending.empty() && !m_pending.back().levels.empty() && isOpen(Role::Level)) {
        PendingLevel &level = m_pending.back().levels.back();
        if (word == "levelnfc" || word == "levelnfcn")
            level.level.format = parameter;
        else if (word == "levelstartat")
            level.level.start = std::clamp(parameter, 0, maxListStart);
        else if (word == "f" && !inLabel())
            level.font = parameter;
    }
}

void RtfListTable::appendBytes(QByteArrayView bytes) {
    if (!inLabel())
        return;
    std::vector<LabelPiece> &label = m_pending.back().levels.back().label;
    for (const char byte : bytes.first(std::min<qsizetype>(
             bytes.size(), qsizetype(maxLabelPieces - std::min(label.size(), maxLabelPieces)))))
        label.push_back({true, char16_t(quint8(byte))});
}

void RtfListTable::appendText(const QString &text) {
    if (!inLabel())
        return;
    std::vector<LabelPiece> &label = m_pending.back().levels.back().label;
    for (const QChar c : text.first(std::min<qsizetype>(
             text.size(), qsizetype(maxLabelPieces - std::min(label.size(), maxLabelPieces)))))
        label.push_back({false, c.unicode()});
}

void RtfListTable::finish(const Decoder &decode, const CharacterReader &readCharacter) {
    for (const PendingList &pending : m_pending) {
        RtfListDefinition definition;
        for (size_t i = 0;
             i < std::min<size_t>(pending.levels.size(), RtfListDefinition::levelCount); ++i) {
            const PendingLevel &level = pending.levels[i];
            RtfListLevel read = level.level;
            // The first byte counts the characters; bytes 0 to 8 stand for level numbers and are
            // no font's characters.
            QString text;
            QByteArray bytes;
            const auto flush = [&] {
                if (!bytes.isEmpty())
                    text += decode(bytes, level.font);
                bytes.clear();
            };
            // The text ends with ';', and may hold more after it that no label shows; a symbol
            // font would read the ';' byte as a sign.
            for (size_t at = 0; at < level.label.size(); ++at) {
                const LabelPiece piece = level.label[at];
                if (at == 0 && piece.isByte)
                    continue;
                if (piece.value == u';')
                    break;
                if (piece.isByte && piece.value < RtfListDefinition::levelCount) {
                    flush();
                    text += QChar(piece.value);
                } else if (piece.isByte) {
                    bytes += char(piece.value);
                } else {
                    flush();
                    text += readCharacter(QChar(piece.value), level.font);
                }
            }
            flush();
            // The count bounds the label even where the file writes more before its ';'.
            const qsizetype length = !level.label.empty() && level.label.front().isByte
                                         ? qsizetype(level.label.front().value)
                                         : maxLabelLength;
            text.truncate(length);
            // A level without label text keeps the default one.
            read.text = level.label.empty() ? definition.levels[i].text : text;
            definition.levels[i] = read;
        }
        m_lists[pending.id] = definition;
    }
    // A table cut short leaves nothing open for the next one.
    m_pending.clear();
    m_roles.clear();
    m_openRoles = {};
    m_labelDepth = 0;
}

std::optional<RtfListDefinition> RtfListTable::definition(int listNumber) const {
    const auto override = m_overrides.find(listNumber);
    if (override == m_overrides.end())
        return std::nullopt;
    const auto list = m_lists.find(override->second);
    if (list == m_lists.end())
        return std::nullopt;
    return list->second;
}

QString RtfListNumbering::nextLabel(int listNumber, const RtfListDefinition &definition,
                                    int level) {
    level = std::clamp(level, 0, RtfListDefinition::levelCount - 1);
    Counters &counters = m_counters[listNumber];
    for (int above = 0; above < level; ++above) {
        // An item below a level that has had none counts that level from its start.
        if (!counters.started[size_t(above)]) {
            counters.numbers[size_t(above)] = definition.levels[size_t(above)].start;
            counters.started[size_t(above)] = true;
        }
    }
    const auto own = size_t(level);
    // A count held at the largest number rather than overflowing, however a file starts it.
    counters.numbers[own] = counters.started[own]
                                ? counters.numbers[own] + (counters.numbers[own] < INT_MAX)
                                : definition.levels[own].start;
    counters.started[own] = true;
    for (size_t deeper = own + 1; deeper < RtfListDefinition::levelCount; ++deeper)
        counters.started[deeper] = false;
    return definition.label(level, counters.numbers);
}

} // namespace quillon
