#pragma once
// A started application for a benchmark, with the test fixture's helpers at hand.

#include "support/app_fixture.h"

class BenchmarkApp : public AppFixture {
 public:
  BenchmarkApp() { start(); }
  void TestBody() override {}
  using AppFixture::application;
  using AppFixture::chooseMenu;
  using AppFixture::click;
  using AppFixture::fpr;
};
