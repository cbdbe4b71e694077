#include "calculator/calculator_fixture.h"
#include "calculator/w1.h"
#include "platform/application.h"

namespace {

using HistoryTest = CalculatorFixture;

TEST_F(HistoryTest, TheHistoryWindowStaysHidden) {
  frappe(QStringLiteral("十二加三="));
  w1* window = platform::Application::current()->liveInstance<w1>();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->visible());
}

}  // namespace
