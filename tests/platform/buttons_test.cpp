// Disclosure triangles raise Action on every change of Value; check boxes and radio buttons
// raise it for user clicks only; radio buttons of one group box exclude each other.

#include <QAbstractButton>
#include <QTest>

#include "platform/platform_fixture.h"

namespace {

using platform::CheckBox;
using platform::DisclosureTriangle;
using platform::GroupBox;
using platform::RadioButton;
using platform_test::PlatformTest;
using platform_test::WindowA;

class ButtonsTest : public PlatformTest {
 protected:
  ButtonsTest() : window(app().instance<WindowA>()) {}
  // A click on the box or the round of a check box or radio button.
  static void clickIndicator(platform::Control& button) { clickControl(button, QPoint(7, button.height() / 2)); }
  WindowA& window;
};

TEST_F(ButtonsTest, DisclosureTriangleRaisesActionOnEachChange) {
  auto* triangle = window.make<DisclosureTriangle>(QStringLiteral("DT"));
  triangle->setBounds(10, 10, 18, 18);
  QList<bool> seen;
  triangle->connectAction([&] { seen << triangle->value(); });
  triangle->setValue(false);
  EXPECT_TRUE(seen.isEmpty()) << "the same value raises nothing";
  triangle->setValue(true);
  EXPECT_EQ(seen, QList<bool>{true}) << "raised at once, with the new value";
  triangle->setValue(true);
  EXPECT_EQ(seen.size(), 1);
  clickControl(*triangle);
  EXPECT_EQ(seen, (QList<bool>{true, false}));
  clickControl(*triangle);
  EXPECT_EQ(seen, (QList<bool>{true, false, true}));
}

TEST_F(ButtonsTest, AnActionHandlerThatSetsTheValueBackRunsOnceMore) {
  auto* triangle = window.make<DisclosureTriangle>(QStringLiteral("DT"));
  int actions = 0;
  triangle->connectAction([&] {
    ++actions;
    if (triangle->value()) triangle->setValue(false);
  });
  triangle->setValue(true);
  EXPECT_EQ(actions, 2);
  EXPECT_FALSE(triangle->value());
}

TEST_F(ButtonsTest, CheckBoxRaisesActionForClicksOnly) {
  auto* box = window.make<CheckBox>(QStringLiteral("CB"));
  box->setBounds(10, 10, 120, 20);
  box->setCaption(QStringLiteral("Tick"));
  int actions = 0;
  box->connectAction([&] { ++actions; });
  box->setValue(true);
  box->setValue(false);
  box->setValue(true);
  EXPECT_EQ(actions, 0);
  EXPECT_TRUE(box->value());
  clickIndicator(*box);
  EXPECT_EQ(actions, 1);
  EXPECT_FALSE(box->value());
  clickIndicator(*box);
  EXPECT_EQ(actions, 2);
  EXPECT_TRUE(box->value());
}

class RadioTest : public ButtonsTest {
 protected:
  RadioTest() {
    groupOne = window.make<GroupBox>(QStringLiteral("GB1"));
    groupOne->setBounds(10, 10, 200, 80);
    groupTwo = window.make<GroupBox>(QStringLiteral("GB2"));
    groupTwo->setBounds(10, 100, 200, 80);
    for (int i = 0; i < 2; ++i) {
      inOne[i] = window.make<RadioButton>(QStringLiteral("RB1"), groupOne, i);
      inOne[i]->setBounds(20, 30 + 25 * i, 150, 20);
      inTwo[i] = window.make<RadioButton>(QStringLiteral("RB2"), groupTwo, i);
      inTwo[i]->setBounds(20, 120 + 25 * i, 150, 20);
    }
    for (RadioButton* rb : {inOne[0], inOne[1], inTwo[0], inTwo[1]}) {
      rb->connectAction([this, rb] { actions << rb; });
    }
  }
  QList<bool> values() const { return {inOne[0]->value(), inOne[1]->value(), inTwo[0]->value(), inTwo[1]->value()}; }
  GroupBox* groupOne = nullptr;
  GroupBox* groupTwo = nullptr;
  RadioButton* inOne[2] = {};
  RadioButton* inTwo[2] = {};
  QList<RadioButton*> actions;
};

TEST_F(RadioTest, ButtonsLieInsideTheirGroupBox) {
  EXPECT_EQ(inOne[1]->widget()->parentWidget(), groupOne->widget());
  EXPECT_EQ(inTwo[0]->widget()->geometry().topLeft(), QPoint(10, 20));
}

TEST_F(RadioTest, SettingAValueInCodeExcludesTheOthersOfItsGroupAndRaisesNothing) {
  inOne[0]->setValue(true);
  inTwo[1]->setValue(true);
  EXPECT_EQ(values(), (QList<bool>{true, false, false, true}));
  inOne[1]->setValue(true);
  EXPECT_EQ(values(), (QList<bool>{false, true, false, true})) << "the other group keeps its choice";
  inOne[1]->setValue(false);
  EXPECT_EQ(values(), (QList<bool>{false, false, false, true})) << "code may leave a group with none";
  EXPECT_TRUE(actions.isEmpty());
}

TEST_F(RadioTest, AClickSelectsTheButtonExcludesItsGroupAndRaisesAction) {
  inOne[0]->setValue(true);
  inTwo[0]->setValue(true);
  clickIndicator(*inOne[1]);
  EXPECT_EQ(values(), (QList<bool>{false, true, true, false}));
  EXPECT_EQ(actions, QList<RadioButton*>{inOne[1]});
  clickIndicator(*inOne[1]);
  EXPECT_EQ(values(), (QList<bool>{false, true, true, false})) << "a click on the chosen button keeps it chosen";
  clickIndicator(*inTwo[1]);
  EXPECT_EQ(values(), (QList<bool>{false, true, false, true}));
  EXPECT_TRUE(static_cast<QAbstractButton*>(inTwo[1]->widget())->isChecked());
  EXPECT_FALSE(static_cast<QAbstractButton*>(inTwo[0]->widget())->isChecked());
}

TEST_F(RadioTest, ADisabledGroupBoxDisablesItsButtons) {
  groupOne->setEnabled(false);
  EXPECT_FALSE(inOne[0]->widget()->isEnabled());
  EXPECT_TRUE(inTwo[0]->widget()->isEnabled());
  clickIndicator(*inOne[0]);
  EXPECT_FALSE(inOne[0]->value());
  EXPECT_TRUE(actions.isEmpty());
  groupOne->setEnabled(true);
  clickIndicator(*inOne[0]);
  EXPECT_TRUE(inOne[0]->value());
}

TEST_F(RadioTest, ButtonsOutsideAnyGroupBoxFormOneGroup) {
  auto* loose1 = window.make<RadioButton>(QStringLiteral("RBa"));
  loose1->setBounds(220, 10, 80, 20);
  auto* loose2 = window.make<RadioButton>(QStringLiteral("RBb"));
  loose2->setBounds(220, 40, 80, 20);
  inOne[0]->setValue(true);
  loose1->setValue(true);
  loose2->setValue(true);
  EXPECT_FALSE(loose1->value());
  EXPECT_TRUE(inOne[0]->value());
}

}  // namespace
