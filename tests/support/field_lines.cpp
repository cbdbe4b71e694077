#include "support/field_lines.h"

#include <QGlyphRun>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTextBlock>
#include <QTextLayout>
#include <cmath>

namespace {

// The pixels that the glyphs cover whole, as the display's texts are measured.
QRect wholePixels(const QRectF& ink) {
  if (ink.isEmpty()) return {};
  const int left = int(std::ceil(ink.left())), top = int(std::ceil(ink.top()));
  return QRect(left, top, int(std::floor(ink.right())) - left, int(std::floor(ink.bottom())) - top);
}

}  // namespace

int FieldLines::wholeLines() const {
  int whole = 0;
  for (const QRect& line : lines) whole += viewport.contains(line) ? 1 : 0;
  return whole;
}

int FieldLines::cutLines() const {
  int cut = 0;
  for (const QRect& line : lines) cut += viewport.intersects(line) && !viewport.contains(line) ? 1 : 0;
  return cut;
}

FieldLines fieldLines(QPlainTextEdit& edit) {
  FieldLines shown;
  shown.viewport = QRect(QPoint(0, 0), edit.viewport()->size());
  for (QTextBlock block = edit.document()->firstBlock(); block.isValid(); block = block.next()) {
    QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      // The caret at the line's start tells where the field draws the line's origin.
      QTextCursor cursor(block);
      cursor.setPosition(block.position() + line.textStart());
      const QRect caret = edit.cursorRect(cursor);
      const QPointF origin(caret.left() - line.cursorToX(line.textStart()), caret.top() - line.y());
      QRectF ink;
      for (const QGlyphRun& run : line.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype g = 0; g < glyphs.size() && g < positions.size(); ++g) {
          const QRectF box = run.rawFont().boundingRect(glyphs[g]);
          if (!box.isEmpty()) ink |= box.translated(positions[g]);
        }
      }
      if (!ink.isEmpty()) shown.lines << wholePixels(ink.translated(origin));
    }
  }
  return shown;
}
