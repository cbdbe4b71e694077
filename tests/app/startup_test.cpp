#include "support/app_fixture.h"

#include "app/Menu.h"

namespace {

class StartupTest : public AppFixture {};

TEST_F(StartupTest, OpensTheMainWindowWithTheSimplifiedUsualKeypad) {
  start();
  EXPECT_TRUE(fpr().visible());
  EXPECT_EQ(fpr().key(QStringLiteral("BB4"))->caption(), QStringLiteral("四"));
  EXPECT_EQ(fpr().key(QStringLiteral("BB104"))->caption(), QStringLiteral("万"));
  EXPECT_EQ(application().position, 1);
  EXPECT_EQ(application().etat, 0);
  EXPECT_EQ(application().operation, 0);
  EXPECT_FALSE(application().persev);
  EXPECT_EQ(chineseField(), QString());
  EXPECT_TRUE(caracteresChinoissimplifié()->checked());
  EXPECT_TRUE(caracteresnotationsusuelle()->checked());
}

}  // namespace
