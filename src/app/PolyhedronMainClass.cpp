// SPDX-License-Identifier: GPL-3.0-or-later
// What the solid on show is, on the solid-information page: its symmetry group, whether
// that group carries every vertex to every other (a uniform solid) or how many orbits the
// vertices fall into, its Euler characteristic and whether it can be oriented. The group of
// a dual is the group of its solid, so a dual on show keeps the symmetry line alone.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"
#include "measure/SolidClass.h"

#include <QCheckBox>
#include <QLabel>

namespace {

const char* const SymmetryHeading = QT_TRANSLATE_NOOP("Zenkari", "対称性：");
const char* const OrbitsHeading = QT_TRANSLATE_NOOP("Zenkari", "頂点の軌道：");
const char* const EulerHeading = QT_TRANSLATE_NOOP("Zenkari", "オイラー標数：");

}  // namespace

void TFrmPolyhedron::SetSolidClassHeadings()
{
    LblSymmetry->setText(Tr(SymmetryHeading));
    LblVertexOrbits->setText(Tr(OrbitsHeading));
    LblEuler->setText(Tr(EulerHeading));
}

void TFrmPolyhedron::ShowSolidClass()
{
    const TBuiltSolid* solid = Selection() >= 1 ? Session.SolidAt(Selection()) : nullptr;
    QString symmetry, orbits, euler;
    if (solid != nullptr && solid->Raw.FaceCount > 0) {
        const TSolidClass kind = ClassifySolid(*solid);
        if (!kind.Symmetry.empty()) {
            symmetry = Tr(kind.Chiral ? QT_TRANSLATE_NOOP("Zenkari", "%1（位数%2・鏡像と別）")
                                      : QT_TRANSLATE_NOOP("Zenkari", "%1（位数%2）"))
                           .arg(QString::fromStdString(kind.Symmetry))
                           .arg(kind.SymmetryOrder);
            orbits = kind.VertexOrbits == 1
                         ? Tr(QT_TRANSLATE_NOOP("Zenkari", "1（どの頂点も同じ：一様）"))
                         : Tr(QT_TRANSLATE_NOOP("Zenkari", "%1（一様でない）")).arg(kind.VertexOrbits);
        }
        euler = (kind.Orientable ? Tr(QT_TRANSLATE_NOOP("Zenkari", "%1・向き付け可能"))
                                 : Tr(QT_TRANSLATE_NOOP("Zenkari", "%1・向き付け不可能")))
                    .arg(kind.EulerCharacteristic);
        if (DualChBx->isChecked()) {
            orbits.clear();  // of the solid's vertices, not the dual's
            euler.clear();
        }
    }
    LblSymmetry->setText(Tr(SymmetryHeading) + symmetry);
    LblVertexOrbits->setText(Tr(OrbitsHeading) + orbits);
    LblEuler->setText(Tr(EulerHeading) + euler);
}
