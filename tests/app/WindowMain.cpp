// SPDX-License-Identifier: GPL-3.0-or-later
// What every window test shares: the fixture, and a main that makes the application.

#include "app/Translations.h"
#include "app/WindowFixture.h"
#include "support/DisplayWait.h"

#include <QApplication>
#include <QTemporaryDir>

#include <dlfcn.h>

void Window::SetUp()
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    Directory = QDir::temp().filePath(QStringLiteral("zenkari-window-tests/") + QString::fromUtf8(test->name()));
    QDir(Directory).removeRecursively();
    QDir().mkpath(Directory);
    Start();
}

void Window::Start()
{
    Form.reset();
    QDir::setCurrent(Directory);
    Form = std::make_unique<TFrmPolyhedron>();
    Form->SyncBuildWaitMs = -1;  // results are read at once; the worker tests set their own
    Form->show();
    for (int i = 0; i < 500 && !Form->DXDraw1->IsReady(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Window::Choose(QComboBox* box, const QString& text)
{
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void Window::SetPolygons(std::initializer_list<const char*> kinds)
{
    Choose(Form->CBatVertex, QString::number(static_cast<int>(kinds.size())));
    int i = 0;
    for (const char* kind : kinds)
        Choose(Form->PolygonCbBx[i++], QString::fromUtf8(kind));
}

int main(int argc, char** argv)
{
    // Keep Mesa's driver loaded to the end, so that the leak check can name it (see lsan.supp).
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_LAZY | RTLD_NODELETE);
    // The colour dialog's memory goes to a scratch home, never the user's.
    const QString home = QDir::temp().filePath(QStringLiteral("zenkari-window-tests/home"));
    QDir().mkpath(home);
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QDir(home).filePath(QStringLiteral(".config")).toLocal8Bit());
    SetDefaultSurfaceFormat();
    TDisplayHold display = WaitForDisplay();
    QApplication application(argc, argv);
    display.Release();  // the application's own connection holds the server now
    InstallLanguage(TLanguage::Japanese);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
