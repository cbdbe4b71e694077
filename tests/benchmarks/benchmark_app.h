#pragma once
// A started application for a benchmark, driven through the test fixture's real events.

#include "support/app_fixture.h"

class BenchmarkApp : public AppFixture {
 public:
  BenchmarkApp() { start(); }
  void TestBody() override {}
  using AppFixture::application;
  using AppFixture::chooseMenu;
  using AppFixture::click;
  using AppFixture::fpr;
  using AppFixture::paste;
  using AppFixture::press;
  using AppFixture::processEvents;
  using AppFixture::type;

  // Folds the converter out, so that its fields are on screen as the user sees them.
  void showConverter() {
    if (!fpr().DisclosureTriangle1->value()) press(QStringLiteral("DisclosureTriangle1"));
  }
};
