// Holds a picture of the screen to a committed reference, pixel for pixel. A missing
// reference fails; ZEPHTOR_UPDATE_SCREENSHOTS=1 writes the reference instead.
#pragma once

#include <string>

#include "gdi/gdi.h"

namespace test {

void ExpectMatchesReference(const platform::Surface& picture, const std::string& name);

}  // namespace test
