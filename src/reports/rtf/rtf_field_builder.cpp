#include "rtf_field_builder.h"

#include "rtf_field.h"
#include "unwanted_characters.h"

#include <utility>

namespace quillon {

void RtfFieldBuilder::startInstruction(bool ownGroup) {
    m_instruction.clear();
    m_inline = !ownGroup;
}

int RtfFieldBuilder::endInstruction() {
    if (std::exchange(m_inline, false))
        return -1;
    return linkOfInstruction();
}

// Control characters are no part of an address and could not be written back.
int RtfFieldBuilder::linkOfInstruction() {
    QString target = hyperlinkTarget(m_instruction);
    target.removeIf([](QChar c) { return isUnwantedCharacter(c.unicode()); });
    if (target.isEmpty())
        return -1;
    m_links.append(target);
    return static_cast<int>(m_links.size()) - 1;
}

} // namespace quillon
