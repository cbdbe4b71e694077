#pragma once
// What a field has handed its widget since the meter was made: the count that shows a field
// rewritten or recoloured over and over, where a long text would make that quadratic.

#include "platform/controls.h"

// Units a field may get for the answer to one long text: the answer written again for each of
// the first digits read, at most, never once for each character of the text.
constexpr qsizetype kShortAnswerUnits = 1000;

class FieldWorkMeter {
 public:
  explicit FieldWorkMeter(const platform::EditField& field) : field_(field), start_(field.work()) {}
  qsizetype unitsWritten() const { return field_.work().unitsWritten - start_.unitsWritten; }
  qsizetype unitsFormatted() const { return field_.work().unitsFormatted - start_.unitsFormatted; }

 private:
  const platform::EditField& field_;
  platform::EditField::Work start_;
};
