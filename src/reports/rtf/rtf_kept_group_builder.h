#pragma once

#include "portable_group.h"
#include "rtf_picture.h"
#include "rtf_picture_builder.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace quillon {

// A group kept whole as it is read (an embedded object, a shape or text box, a drawing object, a
// footnote): it goes back as it came, and the document shows it as an image: its picture (an
// object's result, a picture shape's picture), its text, or a frame naming it at the size it asks
// for.
class RtfKeptGroupBuilder {
public:
    // How to name what is lost of a group of `kind` that cannot be kept whole.
    static QString lostName(const QString &kind);

    // A group of `kind` ("footnote", "shape", ...) begins at `start` in the input.
    void start(qsizetype start, const QString &kind);
    // \dptxbx, \shptxt: what it is after all.
    void setKind(const QString &kind) { m_group.kind = kind; }
    // The size it asks for, in twips.
    void setLeft(int twips) { m_group.left = twips; }
    void setTop(int twips) { m_group.top = twips; }
    void setRight(int twips) { m_group.right = twips; }
    void setBottom(int twips) { m_group.bottom = twips; }
    // Its text is shown: the text of the groups from `depth` on (a text box's properties are text
    // of the shape too). A text box's text is in a group of its own, given twice by shapes that
    // carry a drawing object for older readers; the first counts.
    void showText(size_t depth);
    // Text read in the group with `depth` groups open.
    void appendText(const QString &text, size_t depth) {
        if (m_group.showsText && depth >= m_group.textDepth)
            m_group.text += text;
    }
    // A picture read in the group; the first stands for it, as readers show an object's result, a
    // shape's picture.
    void offerPicture(const RtfPicture &picture);

    // The group ended at `position` in `input`: inserts the image that shows it through
    // `pictures`, with the group as the writer's code page and font table will hold it.
    void end(QByteArrayView input, qsizetype position, const PortableGroupOf &portableGroupOf,
             RtfPictureBuilder &pictures);

private:
    struct Group {
        qsizetype start = 0;
        QString kind;
        int left = 0, top = 0, right = 0, bottom = 0; // in twips
        std::optional<RtfPicture> picture;
        // A footnote's or a text box's text, shown in its frame.
        bool showsText = false;
        size_t textDepth = 0;
        QString text;
    };

    Group m_group;
};

} // namespace quillon
