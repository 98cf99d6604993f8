#pragma once

#include "support/TestHost.h"

#include <QString>
#include <memory>

namespace orvik3::test {

// One exercise family with a typical question on display.
struct Scene {
    const char *family;
    qint16 type;
    const char *frame;
};
inline constexpr Scene kScenes[] = {
    {"position", 1, "Frame1"}, {"holding", 3, "Frame2"}, {"adf", 5, "Frame11"},
    {"qdmqdr", 6, "Frame20"},  {"wind", 8, "Frame29"},
};

// Writes a small study file for the scene's type (under the German and the other-language
// name) and selects the type, so that the first question is on display.
void showQuestion(TestHost &host, const Scene &scene);

// The captions a question of the family shows, put where the control leaves a caption empty
// (some family set-ups are still to come); captions the control sets itself are left alone.
void completeCaptions(TestHost &host, const Scene &scene);

} // namespace orvik3::test
