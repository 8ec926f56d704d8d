// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ThreeMf.h"

#include <Model/COM/NMR_DLLInterfaces.h>

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <string>
#include <vector>

namespace {

// An object lib3mf hands out, released when it goes out of scope: lib3mf counts every
// reference it gives, so each one (the model, the group, the mesh, its property handlers,
// the build item, the writer) is released, or the model is never freed.
class THandle {
public:
    THandle() = default;
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    ~THandle()
    {
        if (Object != nullptr)
            (void)NMR::lib3mf_release(Object);
    }

    [[nodiscard]] NMR::PLib3MFBase** Out()
    {
        assert(Object == nullptr && "a handle receives one object");
        return &Object;
    }
    [[nodiscard]] NMR::PLib3MFBase* Get() const { return Object; }

private:
    NMR::PLib3MFBase* Object = nullptr;
};

// The calls that make a package, one after the other: the first that fails stops the rest
// (they are chained with &&) and says why, with lib3mf's own words.
class TSteps {
public:
    // True when the call succeeded; object is the one it was made on (nullptr for none).
    [[nodiscard]] bool Done(LIB3MFRESULT code, NMR::PLib3MFBase* object, const char* doing)
    {
        if (code == LIB3MF_OK)
            return true;
        Error = std::string("lib3mf could not ") + doing;
        DWORD error = 0;
        LPCSTR message = nullptr;
        if (object != nullptr && NMR::lib3mf_getlasterror(object, &error, &message) == LIB3MF_OK && message != nullptr
            && *message != '\0')
            Error += std::string(": ") + message;
        return false;
    }
    [[nodiscard]] TResult Result() const { return Error.empty() ? TResult::Success() : TResult::Failure(Error); }

private:
    std::string Error;
};

// One colour the triangles take, and the polygons that show it.
struct TPrintMaterial {
    TColour Colour = 0;
    std::vector<std::string> Polygons;  // "{5/2}", "{4} of the dual", in the order first met
};

struct TColouring {
    std::vector<TPrintMaterial> Materials;  // in the order the triangles first take them
    std::vector<DWORD> TriangleMaterial;    // into Materials, one for each triangle
};

std::string PolygonName(const TSurfaceFace& face)
{
    const std::string n = std::to_string(face.N);
    if (face.D == 0)
        return "{" + n + "} of the dual";
    return face.D == 1 ? "{" + n + "}" : "{" + n + "/" + std::to_string(face.D) + "}";
}

std::string MaterialName(const TPrintMaterial& material)
{
    std::string name;
    for (const std::string& polygon : material.Polygons)
        name += (name.empty() ? "" : ", ") + polygon;
    return name;
}

// Each triangle in the colour the view gives its face: the face's group and side count
// choose it, as they do on the screen (the view's shading aside, which depends on the turn).
// Faces that share a colour share its material.
TColouring Colouring(const TOuterSurface& surface, const TDisplaySettings& settings)
{
    TColouring colouring;
    colouring.TriangleMaterial.reserve(surface.Triangles.size());
    for (const TOuterTriangle& t : surface.Triangles) {
        const TSurfaceFace& face = surface.Faces[static_cast<std::size_t>(t.Face)];
        const TColour colour = GroupBaseColour(settings, face.Group, face.N);
        std::vector<TPrintMaterial>& materials = colouring.Materials;
        auto material = std::find_if(materials.begin(), materials.end(),
                                     [&](const TPrintMaterial& m) { return m.Colour == colour; });
        if (material == materials.end())
            material = materials.insert(materials.end(), TPrintMaterial{colour, {}});
        const std::string polygon = PolygonName(face);
        if (std::find(material->Polygons.begin(), material->Polygons.end(), polygon) == material->Polygons.end())
            material->Polygons.push_back(polygon);
        colouring.TriangleMaterial.push_back(static_cast<DWORD>(material - materials.begin()));
    }
    return colouring;
}

// The base-material group of the colours used, in their order; groupId receives its id.
bool AddMaterials(TSteps& steps, NMR::PLib3MFBase* model, const std::vector<TPrintMaterial>& materials, DWORD& groupId)
{
    THandle group;
    if (!steps.Done(NMR::lib3mf_model_addbasematerialgroup(model, group.Out()), model, "add the materials"))
        return false;
    for (const TPrintMaterial& material : materials) {
        const auto red = static_cast<BYTE>(RedOf(material.Colour));
        const auto green = static_cast<BYTE>(GreenOf(material.Colour));
        const auto blue = static_cast<BYTE>(BlueOf(material.Colour));
        DWORD index = 0;
        // Added in RGB, lib3mf writes the colour with alpha 0 (#RRGGBB00, clear): it is set
        // again, opaque, as the printed model is.
        if (!steps.Done(NMR::lib3mf_basematerial_addmaterialutf8(group.Get(), MaterialName(material).c_str(), red,
                                                                 green, blue, &index),
                        group.Get(), "add a material")
            || !steps.Done(NMR::lib3mf_basematerial_setdisplaycolorrgba(group.Get(), index, red, green, blue, 255),
                           group.Get(), "set a material's colour"))
            return false;
    }
    return steps.Done(NMR::lib3mf_basematerial_getresourceid(group.Get(), &groupId), group.Get(),
                      "number the materials");
}

// The surface as one mesh object, each triangle with its material, placed on the build
// plate as it stands (the model is already in millimetres, resting on z = 0).
bool AddMesh(TSteps& steps, NMR::PLib3MFBase* model, const TOuterSurface& surface, const TColouring& colouring,
             DWORD groupId)
{
    std::vector<NMR::MODELMESHVERTEX> vertices;
    vertices.reserve(surface.Points.size());
    for (const TVector3& p : surface.Points)
        vertices.push_back({{static_cast<float>(p.X), static_cast<float>(p.Y), static_cast<float>(p.Z)}});
    std::vector<NMR::MODELMESHTRIANGLE> triangles;
    triangles.reserve(surface.Triangles.size());
    for (const TOuterTriangle& t : surface.Triangles)
        triangles.push_back(
            {{static_cast<DWORD>(t.Corners[0]), static_cast<DWORD>(t.Corners[1]), static_cast<DWORD>(t.Corners[2])}});
    std::vector<NMR::ModelResourceID> groups(triangles.size(), groupId);
    std::vector<DWORD> indices = colouring.TriangleMaterial;
    THandle mesh, properties, objectProperty, item;
    // A mesh whose triangles carry materials must name one of its own as well (lib3mf will
    // not write it otherwise): the first, which each triangle's own overrides.
    return steps.Done(NMR::lib3mf_model_addmeshobject(model, mesh.Out()), model, "add the mesh")
           && steps.Done(NMR::lib3mf_object_setnameutf8(mesh.Get(), "Zenkari: the outer surface"), mesh.Get(),
                         "name the mesh")
           && steps.Done(NMR::lib3mf_meshobject_setgeometry(mesh.Get(), vertices.data(),
                                                            static_cast<DWORD>(vertices.size()), triangles.data(),
                                                            static_cast<DWORD>(triangles.size())),
                         mesh.Get(), "set the triangles")
           && steps.Done(NMR::lib3mf_meshobject_createpropertyhandler(mesh.Get(), properties.Out()), mesh.Get(),
                         "colour the triangles")
           && steps.Done(
               NMR::lib3mf_propertyhandler_setbasematerialarray(properties.Get(), groups.data(), indices.data()),
               properties.Get(), "colour the triangles")
           && steps.Done(NMR::lib3mf_object_createdefaultpropertyhandler(mesh.Get(), objectProperty.Out()), mesh.Get(),
                         "colour the mesh")
           && steps.Done(NMR::lib3mf_defaultpropertyhandler_setbasematerial(objectProperty.Get(), groupId, 0),
                         objectProperty.Get(), "colour the mesh")
           && steps.Done(NMR::lib3mf_model_addbuilditem(model, mesh.Get(), nullptr, item.Out()), model,
                         "place the mesh");
}

// The package in memory: lib3mf measures it by writing it once, then writes it into bytes.
bool WritePackage(TSteps& steps, NMR::PLib3MFBase* model, std::string& bytes)
{
    THandle writer;
    ULONG64 size = 0;
    if (!steps.Done(NMR::lib3mf_model_querywriter(model, MODELWRITERCLASS_3MF, writer.Out()), model,
                    "make a 3MF writer")
        || !steps.Done(NMR::lib3mf_writer_getstreamsize(writer.Get(), &size), writer.Get(), "measure the package"))
        return false;
    bytes.assign(static_cast<std::size_t>(size), '\0');
    return steps.Done(NMR::lib3mf_writer_writetobuffer(writer.Get(), reinterpret_cast<BYTE*>(bytes.data()), size),
                      writer.Get(), "write the package");
}

}  // namespace

TResult ThreeMfBytes(const TPrintModel& model, const TDisplaySettings& settings, std::string& bytes)
{
    assert(!model.Surface.Empty());
    bytes.clear();
    const TColouring colouring = Colouring(model.Surface, settings);
    TSteps steps;
    THandle package;
    DWORD groupId = 0;
    const bool written = steps.Done(NMR::lib3mf_createmodel(package.Out()), nullptr, "start a model")
                         && steps.Done(NMR::lib3mf_model_setunit(package.Get(), NMR::MODELUNIT_MILLIMETER),
                                       package.Get(), "set the unit to millimetres")
                         && AddMaterials(steps, package.Get(), colouring.Materials, groupId)
                         && AddMesh(steps, package.Get(), model.Surface, colouring, groupId)
                         && WritePackage(steps, package.Get(), bytes);
    if (!written)
        bytes.clear();
    return steps.Result();
}
