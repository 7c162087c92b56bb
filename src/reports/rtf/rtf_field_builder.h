#pragma once

#include <QString>
#include <QStringList>

namespace quillon {

// The fields of a document being read ({\field {\*\fldinst ...}{\fldrslt ...}}): the instruction
// being read, and the targets of the links the HYPERLINK fields make, which the text of their
// results refers to by number.
class RtfFieldBuilder {
public:
    // \fldinst; `ownGroup` tells whether the word began a group of its own. One that began inside
    // the field's group ends where the field's result begins and gives only that result its link.
    void startInstruction(bool ownGroup);
    void appendInstruction(const QString &text) { m_instruction += text; }
    // Whether the instruction being read has no group of its own.
    bool isInline() const { return m_inline; }
    // The instruction's group ended. Returns the link the field's result, in the rest of the field
    // group, shows: -1 for none, as for an instruction without a group of its own, whose end is
    // the end of its field.
    int endInstruction();
    // The link the instruction read makes, -1 for none.
    int linkOfInstruction();

    // The target of link `index`, as linkOfInstruction() numbered it.
    const QString &link(int index) const { return m_links[index]; }

private:
    QString m_instruction;
    bool m_inline = false;
    QStringList m_links;
};

} // namespace quillon
