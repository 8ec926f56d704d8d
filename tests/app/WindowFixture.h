// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real main window under xvfb-run, made afresh for every test in a directory of its
// own, so that each starts as a first start (no settings file) unless it writes one.

#include "app/PolyhedronMain.h"
#include "surface/GlSurface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <memory>

class Window : public ::testing::Test {
protected:
    void SetUp() override;
    // The outer figures' worker outlives a window closed mid-job: each test leaves once
    // it has ended, so that none runs on into the next test or past the program's end.
    void TearDown() override
    {
        Form.reset();
        TDetachedWorker::WaitUntilNoThreadRuns();
    }

    // Makes the window (again), as a start of the program in Directory.
    void Start();
    // Chooses item text in a combo box as the user does.
    static void Choose(QComboBox* box, const QString& text);
    void SetPolygons(std::initializer_list<const char*> kinds);
    [[nodiscard]] QStringList PaneLines() const { return Form->Memo1->toPlainText().split(QLatin1Char('\n')); }
    [[nodiscard]] QString SettingsPath() const { return QDir(Directory).filePath(QStringLiteral("Polyhedron.ini")); }

    QString Directory;
    std::unique_ptr<TFrmPolyhedron> Form;
};
