// Values the writer finds out of range, as the windows show them: the message box, the focus
// and the Chinese field.

#include <cmath>
#include <limits>
#include <vector>

#include "numerals/writer_fixture.h"
#include "strings/langues.h"

namespace {

struct ValueCase {
  const char* what;
  double value;
  const char* arabic;
};

class WriterValuesTest : public WriterFixture {};

TEST_F(WriterValuesTest, ValuesOutOfRangeAreReportedOnceEach) {
  const std::vector<ValueCase> cases = {
      {"10^12", 1e12, ""},
      {"minus 10^12", -1e12, ""},
      {"rounding up to 10^12", 999999999999.999, ""},
      {"999999999999 squared", 999999999999.0 * 999999999999.0, ""},
      {"the largest double", std::numeric_limits<double>::max(), ""},
      {"infinity", std::numeric_limits<double>::infinity(), ""},
      {"minus infinity", -std::numeric_limits<double>::infinity(), ""},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.what);
    services().messages.clear();
    EXPECT_EQ(writer().tradenchinoisdevaleur(c.value), QString());
    EXPECT_TRUE(writer().tropbig);
    EXPECT_EQ(services().messages, QStringList{langues::lxhorslimites()});
    // From the calculator no control gets the focus.
    EXPECT_EQ(application().focusedControl(), nullptr);
  }
  // The next writing starts afresh.
  EXPECT_EQ(writer().tradenchinoisdevaleur(12.0), QStringLiteral("十二"));
  EXPECT_FALSE(writer().tropbig);
}

TEST_F(WriterValuesTest, OutOfRangeWhileTypingChineseGivesTheChineseFieldTheFocus) {
  application().position = 2;
  EXPECT_EQ(writer().tradenchinoisdevaleur(1e13), QString());
  EXPECT_EQ(application().focusedControl(), fpr().EFca);
  EXPECT_EQ(services().messages.size(), 1);
}

TEST_F(WriterValuesTest, InTheArabicFieldAValueIsShownInTheChineseField) {
  application().position = 3;
  EXPECT_EQ(writer().tradenchinoisdevaleur(110.0), QStringLiteral("一百一十"));
  EXPECT_EQ(chineseField(), QStringLiteral("一百一十"));
  EXPECT_EQ(writer().tradenchinoisdevaleur(1e12), QString());
  EXPECT_EQ(chineseField(), QStringLiteral("??????"));
  EXPECT_EQ(application().focusedControl(), fpr().EFcr);
}

}  // namespace
