#pragma once
// Where an edit field's lines show: the ink of each laid-out line in the field's viewport, so
// that a test can tell the lines a user reads whole from those the field's edge cuts.

#include <QList>
#include <QRect>

class QPlainTextEdit;

struct FieldLines {
  QRect viewport;          // in the viewport's own coordinates
  QList<QRect> lines;      // the ink of every line of the text that has any, in the viewport's coordinates
  int wholeLines() const;  // lines whose ink lies inside the viewport
  int cutLines() const;    // lines whose ink the viewport's edge crosses
};

FieldLines fieldLines(QPlainTextEdit& edit);
