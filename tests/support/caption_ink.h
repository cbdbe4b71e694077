#pragma once
// Where a button's caption shows, read from the button as its style paints it, and how much of
// it shows when nothing cuts it, so that a test can tell a caption shown whole from one cut off.

#include <QRect>
#include <QSize>

class QAbstractButton;

// The pixels that the caption paints, in the button's coordinates: where the button painted
// with its caption differs from the button painted without it. Empty without a caption.
QRect paintedCaption(QAbstractButton& button);

// The size of the caption's pixels when nothing cuts it: the same button, painted with room to
// spare on every side.
QSize uncutCaptionSize(QAbstractButton& button);
