// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/MeshWriters.h"

#include "export/GlbJson.h"

#include <assimp/Exporter.hpp>
#include <assimp/IOStream.hpp>
#include <assimp/IOSystem.hpp>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>

namespace {

// A stream that keeps what the exporter writes, handed to its file system on closing.
class TMemoryStream : public Assimp::IOStream {
public:
    TMemoryStream(std::string path, std::map<std::string, std::string>& closed) : Path(std::move(path)), Closed(closed)
    {}
    ~TMemoryStream() override { Closed[Path] = std::move(Bytes); }

    size_t Read(void*, size_t, size_t) override { return 0; }
    size_t Write(const void* buffer, size_t size, size_t count) override
    {
        const std::size_t length = size * count;
        if (Position + length > Bytes.size())
            Bytes.resize(Position + length);
        std::memcpy(Bytes.data() + Position, buffer, length);
        Position += length;
        return count;
    }
    aiReturn Seek(size_t offset, aiOrigin origin) override
    {
        const std::size_t from = origin == aiOrigin_SET ? 0 : origin == aiOrigin_CUR ? Position : Bytes.size();
        Position = from + offset;
        if (Position > Bytes.size())
            Bytes.resize(Position);
        return aiReturn_SUCCESS;
    }
    size_t Tell() const override { return Position; }
    size_t FileSize() const override { return Bytes.size(); }
    void Flush() override {}

private:
    std::string Path;
    std::map<std::string, std::string>& Closed;
    std::string Bytes;
    std::size_t Position = 0;
};

class TMemoryFileSystem : public Assimp::IOSystem {
public:
    bool Exists(const char* path) const override { return Files.count(path) != 0; }
    char getOsSeparator() const override { return '/'; }
    Assimp::IOStream* Open(const char* path, const char* mode) override
    {
        if (mode == nullptr || std::strchr(mode, 'w') == nullptr)
            return nullptr;  // the exporters only write
        Order.emplace_back(path);
        return new TMemoryStream(path, Files);
    }
    void Close(Assimp::IOStream* stream) override { delete stream; }

    std::map<std::string, std::string> Files;
    std::vector<std::string> Order;  // the names in the order they were opened
};

// One sRGB channel 0 ... 255 as the linear intensity 0 ... 1 it encodes: the exact transfer
// function, not a power of 2.2, so that a viewer that encodes it back shows the byte it came from.
float LinearChannel(int channel)
{
    const double c = channel / 255.0;
    return static_cast<float>(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
}

aiMaterial* MakeMaterial(const TExportMaterial& source)
{
    auto* material = new aiMaterial;
    const aiString name(source.Name);
    material->AddProperty(&name, AI_MATKEY_NAME);
    // OBJ's diffuse colour is read as the sRGB bytes it shows; glTF's base colour is linear
    // light, and only the glTF writer reads it. The alpha goes in once, as the opacity: the
    // glTF writer multiplies the base colour's by it.
    const aiColor3D diffuse(RedOf(source.Colour) / 255.0f, GreenOf(source.Colour) / 255.0f,
                            BlueOf(source.Colour) / 255.0f);
    material->AddProperty(&diffuse, 1, AI_MATKEY_COLOR_DIFFUSE);
    const aiColor4D base(LinearChannel(RedOf(source.Colour)), LinearChannel(GreenOf(source.Colour)),
                         LinearChannel(BlueOf(source.Colour)), 1.0f);
    material->AddProperty(&base, 1, AI_MATKEY_BASE_COLOR);
    const float opacity = static_cast<float>(source.Opacity);
    material->AddProperty(&opacity, 1, AI_MATKEY_OPACITY);
    const int twoSided = source.DoubleSided ? 1 : 0;
    material->AddProperty(&twoSided, 1, AI_MATKEY_TWOSIDED);
    return material;
}

const char* PartName(bool isDual)
{
    return isDual ? "dual" : "solid";
}

// The triangles of one material as a flat-shaded mesh: each triangle its own three corners
// with the face normal.
aiMesh* MakeMesh(const TExportScene& scene, int material)
{
    std::vector<const TExportTriangle*> triangles;
    for (const TExportTriangle& t : scene.Triangles)
        if (t.Material == material)
            triangles.push_back(&t);
    auto* mesh = new aiMesh;
    mesh->mName = aiString(PartName(scene.Materials[static_cast<std::size_t>(material)].Dual));
    mesh->mMaterialIndex = static_cast<unsigned>(material);
    mesh->mPrimitiveTypes = aiPrimitiveType_TRIANGLE;
    mesh->mNumVertices = static_cast<unsigned>(3 * triangles.size());
    mesh->mVertices = new aiVector3D[mesh->mNumVertices];
    mesh->mNormals = new aiVector3D[mesh->mNumVertices];
    mesh->mNumFaces = static_cast<unsigned>(triangles.size());
    mesh->mFaces = new aiFace[mesh->mNumFaces];
    for (std::size_t t = 0; t < triangles.size(); ++t) {
        const TVector3 normal = TriangleNormal(scene, *triangles[t]);
        aiFace& face = mesh->mFaces[t];
        face.mNumIndices = 3;
        face.mIndices = new unsigned[3];
        for (int j = 0; j < 3; ++j) {
            const unsigned i = static_cast<unsigned>(3 * t + static_cast<std::size_t>(j));
            const TVector3 p = scene.Vertices[static_cast<std::size_t>(triangles[t]->Corner[j])];
            mesh->mVertices[i] = aiVector3D(static_cast<float>(p.X), static_cast<float>(p.Y), static_cast<float>(p.Z));
            mesh->mNormals[i] =
                aiVector3D(static_cast<float>(normal.X), static_cast<float>(normal.Y), static_cast<float>(normal.Z));
            face.mIndices[j] = i;
        }
    }
    return mesh;
}

// Under the root, a node for the solid and one for its dual, each holding one mesh per
// material and named for its part, as are its meshes (glTF: one mesh per node, named so, with
// a primitive per material).
std::unique_ptr<aiScene> MakeScene(const TExportScene& scene)
{
    auto result = std::make_unique<aiScene>();
    std::vector<int> used[2];  // the solid's materials with triangles, the dual's
    for (std::size_t m = 0; m < scene.Materials.size(); ++m)
        if (std::any_of(scene.Triangles.begin(), scene.Triangles.end(),
                        [&](const TExportTriangle& t) { return t.Material == static_cast<int>(m); }))
            used[scene.Materials[m].Dual ? 1 : 0].push_back(static_cast<int>(m));
    result->mNumMaterials = static_cast<unsigned>(scene.Materials.size());
    result->mMaterials = new aiMaterial*[result->mNumMaterials];
    for (std::size_t m = 0; m < scene.Materials.size(); ++m)
        result->mMaterials[m] = MakeMaterial(scene.Materials[m]);
    result->mNumMeshes = static_cast<unsigned>(used[0].size() + used[1].size());
    result->mMeshes = new aiMesh*[result->mNumMeshes];
    result->mRootNode = new aiNode("Zenkari");
    aiNode* root = result->mRootNode;
    root->mChildren = new aiNode*[2];
    unsigned next = 0;
    for (int part = 0; part < 2; ++part) {
        if (used[part].empty())
            continue;
        auto* node = new aiNode(PartName(part == 1));
        node->mParent = root;
        root->mChildren[root->mNumChildren++] = node;
        node->mNumMeshes = static_cast<unsigned>(used[part].size());
        node->mMeshes = new unsigned[node->mNumMeshes];
        for (std::size_t i = 0; i < used[part].size(); ++i) {
            result->mMeshes[next] = MakeMesh(scene, used[part][i]);
            node->mMeshes[i] = next++;
        }
    }
    return result;
}

const char* FormatId(TMeshFormat format)
{
    switch (format) {
    case TMeshFormat::Obj:
        return "obj";
    case TMeshFormat::Stl:
        return "stlb";
    default:
        return "glb2";
    }
}

}  // namespace

TResult MeshFiles(const TExportScene& scene, TMeshFormat format, const std::string& path,
                  std::vector<TOutputFile>& files)
{
    files.clear();
    if (scene.Triangles.empty())
        return TResult::Failure("nothing to write: the solid shown has no face");
    const std::unique_ptr<aiScene> exported = MakeScene(scene);
    Assimp::Exporter exporter;
    auto* fileSystem = new TMemoryFileSystem;  // the exporter owns it
    exporter.SetIOHandler(fileSystem);
    if (exporter.Export(exported.get(), FormatId(format), path) != aiReturn_SUCCESS)
        return TResult::Failure(std::string("the exporter failed: ") + exporter.GetErrorString());
    // The main file last: once it is there, what it refers to is there too.
    for (const std::string& name : fileSystem->Order)
        files.push_back(TOutputFile{name, fileSystem->Files[name]});
    std::stable_partition(files.begin(), files.end(), [&](const TOutputFile& f) { return f.Path != path; });
    if (format == TMeshFormat::Glb)
        return DropUnusedGltfExtensions(files.back().Bytes);
    return TResult::Success();
}
