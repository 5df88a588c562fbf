#include <gtest/gtest.h>

#include "model/Proyecto.h"

TEST(Smoke, BlankProjectHasNoUnsavedChanges) {
    Proyecto project;
    EXPECT_FALSE(project.hasUnsavedChanges());
}
