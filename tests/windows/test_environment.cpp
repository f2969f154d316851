// Prepares the window layer once for the whole Windows-side test program, as the start routine does.

#include <gtest/gtest.h>

#include "ui/application.h"

namespace {

class WindowLayerEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    kestrelle::ui::InitialiseControls();
    kestrelle::ui::SetApplicationTitle("Kestrelle");
  }
};

const testing::Environment* const environment = testing::AddGlobalTestEnvironment(new WindowLayerEnvironment);

}  // namespace
