// SPDX-License-Identifier: GPL-3.0-or-later
// Every exported file must satisfy a real VRML97 parser (Coin3D).

#include "export/PolyhedronVRML.h"
#include "session/BuildSession.h"
#include "support/SolidDump.h"

#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/errors/SoReadError.h>
#include <Inventor/nodes/SoSeparator.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

std::string Errors;

void CollectReadError(const SoError* error, void*)
{
    Errors += error->getDebugString().getString();
    Errors += '\n';
}

std::string ExportText(const std::string& config, bool dual, bool compound)
{
    TBuildSession session;
    TLinePane pane;
    TDisplaySettings settings = FirstStartDisplaySettings();
    settings.DualShown = dual;
    settings.CompoundShown = compound;
    EXPECT_FALSE(session.Press(TBuildMode::OneShot, Config(config), settings, pane));
    session.Show(1, settings, pane);
    std::string text;
    for (const std::string& line : session.ExportShown(1, settings))
        text += line + "\r\n";
    return text;
}

}  // namespace

TEST(VrmlParse, CoinReadsEveryKindOfExport)
{
    SoDB::init();
    SoReadError::setHandlerCallback(CollectReadError, nullptr);
    const struct {
        const char* Config;
        bool Dual;
        bool Compound;
    } exports[] = {
        {"(3, 4, 5, 4)", false, false},     // convex
        {"(5/2, 5/2, 5/2)", false, false},  // star faces split into triangles
        {"(3, 4, 3/2, 4)", true, false},    // a dual with far points
        {"(3, 3, 3, 3, 4)", true, true},    // a compound
        {"(4, 4, 8/3, 8/5)", true, false},  // an abandoned dual: empty lists
    };
    for (const auto& e : exports) {
        Errors.clear();
        const std::string text = ExportText(e.Config, e.Dual, e.Compound);
        ASSERT_FALSE(text.empty()) << e.Config;
        SoInput input;
        input.setBuffer(text.data(), text.size());
        SoSeparator* root = SoDB::readAll(&input);
        EXPECT_NE(root, nullptr) << e.Config << "\n" << Errors;
        EXPECT_EQ(Errors, "") << e.Config;
        if (root != nullptr) {
            root->ref();
            EXPECT_GE(root->getNumChildren(), 5) << e.Config;
            root->unref();
        }
    }
    SoDB::finish();
}
