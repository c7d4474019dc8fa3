#pragma once

class QWidget;

namespace plicora {

// Whether the caption of `control` shows whole in its rectangle with its current font and style:
// a label's wrapped lines fit its height, a check box's or button's text fits beside its
// decoration, and each line of a text box fits its width without wrapping.
bool captionFits(const QWidget* control);

// Makes `control`'s font smaller, a pixel at a time down to 10 pixels, until its caption fits:
// substitute fonts and other widget styles take more room than the layout was drawn for.
void fitCaption(QWidget* control);

} // namespace plicora
