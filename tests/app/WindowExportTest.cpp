// SPDX-License-Identifier: GPL-3.0-or-later
// The export button saves every format through its one dialog: the file type chosen gives
// the format and the extension of a bare name; a typed extension wins over the type.

#include "app/WindowFixture.h"

#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QPushButton>
#include <QTimer>

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class WindowExport : public Window {
protected:
    // Presses the export button and saves as name with the file type filter chosen.
    void SaveAs(const QString& filter, const QString& name)
    {
        QTimer::singleShot(0, Form->VRMLSaveDialog, [this, filter, name] {
            Form->VRMLSaveDialog->selectNameFilter(filter);
            emit Form->VRMLSaveDialog->filterSelected(filter);  // as choosing it in the list does
            Form->VRMLSaveDialog->selectFile(QDir(Directory).filePath(name));
            static_cast<QDialog*>(Form->VRMLSaveDialog)->accept();
        });
        Form->VRMLBtn->click();
    }
    [[nodiscard]] QString Saved(const QString& name) const { return QDir(Directory).filePath(name); }
};

TEST_F(WindowExport, EveryFileTypeOfTheDialogWritesItsFormat)
{
    SetPolygons({"3", "4", "3", "4"});
    Form->BuildBtn->click();
    const QStringList filters = Form->VRMLSaveDialog->nameFilters();
    ASSERT_EQ(filters.size(), 6);
    EXPECT_EQ(filters[0], QStringLiteral("VRML files (*.wrl *.WRL)"));
    EXPECT_EQ(Form->VRMLSaveDialog->selectedNameFilter(), filters[0]);

    SaveAs(filters[0], QStringLiteral("solid"));
    EXPECT_TRUE(FileBytes(Saved(QStringLiteral("solid.wrl"))).startsWith("#VRML V2.0 utf8"));
    SaveAs(QStringLiteral("OFF (*.off)"), QStringLiteral("solid"));
    EXPECT_TRUE(FileBytes(Saved(QStringLiteral("solid.off"))).startsWith("OFF\n"));
    SaveAs(QStringLiteral("Wavefront OBJ (*.obj)"), QStringLiteral("solid"));
    EXPECT_TRUE(FileBytes(Saved(QStringLiteral("solid.obj"))).contains("mtllib solid.mtl"));
    EXPECT_TRUE(FileBytes(Saved(QStringLiteral("solid.mtl"))).contains("newmtl"));
    SaveAs(QStringLiteral("STL (*.stl)"), QStringLiteral("solid"));
    // Binary STL: an 80-byte header, the count, 50 bytes a triangle (8 + 6 * 2 for the cuboctahedron).
    EXPECT_EQ(FileBytes(Saved(QStringLiteral("solid.stl"))).size(), 84 + 50 * 20);
    SaveAs(QStringLiteral("glTF (*.glb)"), QStringLiteral("solid"));
    EXPECT_TRUE(FileBytes(Saved(QStringLiteral("solid.glb"))).startsWith("glTF"));
    SaveAs(QStringLiteral("PNG画像 (*.png)"), QStringLiteral("solid"));
    const QImage picture(Saved(QStringLiteral("solid.png")));
    EXPECT_EQ(picture.size(), Form->DXDraw1->size());
    // The corners show the background, white on a first start.
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(WindowExport, ATypedExtensionWinsOverTheChosenType)
{
    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    SaveAs(QStringLiteral("VRML files (*.wrl *.WRL)"), QStringLiteral("cube.STL"));
    EXPECT_EQ(FileBytes(Saved(QStringLiteral("cube.STL"))).size(), 84 + 50 * 12);
    EXPECT_FALSE(QFile::exists(Saved(QStringLiteral("cube.STL.wrl"))));
}
