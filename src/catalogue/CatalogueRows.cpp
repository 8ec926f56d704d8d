// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue table: one row per solid, in catalogue order. The names are built from
// these rows by the rules in PolyhedronInfo.cpp; the code strings likewise.

#include "catalogue/CatalogueRows.h"

// Remarks shown in "立体豆知識"; CR LF breaks a line.
const std::array<const char*, 16> SolidRemarks = {
    "プラトンの立体です。正多面体です。",
    "アルキメデスの立体です。半正多面体です。",
    "アルキメデスの立体です。半正多面体です。準正多面体です。",
    "アルキメデスの立体です。半正多面体です。準正多面体です。\r\n日本では１２・２０面体などとも呼ばれています。",
    "アルキメデスの立体ではないです。半正多面体でもありません。\r\n擬似一様多面体(Pseudo Uniform Polyhedron)です。",
    "ケプラーの立体です。広義の正多面体です。",
    "ポワンソの立体です。広義の正多面体です。",
    "アルキメデスの角柱です。半正多面体です。",
    "アルキメデスの反柱です。半正多面体です。",
    "準正多面体で、半正多面体です。日本語名は私が仮につけたものです。",
    "準正多面体で、半正多面体です。半多面体です。日本語名は私が仮につけたものです。",
    "半正多面体です。日本語名は私が仮につけたものです。",
    "半正多面体ではないです。\r\n擬似一様多面体(Pseudo Uniform Polyhedron)です。\r\n日本語名は私が仮につけたものです。",
    "非凸角柱です。半正多面体です。",
    "非凸反柱です。半正多面体です。",
    "交差反柱です。半正多面体です。",
};

const std::array<const char*, 15> DualRemarks = {
    "双対図形もプラトンの立体です。正多面体です。",
    "アルキメデスの立体の双対図形です。カタロニアの立体といいます。",
    "擬似一様多面体であるニセ菱形立方８面体の双対図形です。",
    "ポワンソの立体です。広義の正多面体です。",
    "ケプラーの立体です。広義の正多面体です。",
    "アルキメデスの角柱の双対図形です。",
    "アルキメデスの反柱の双対図形です。",
    "準正多面体の双対図形です。日本語名は私が仮につけたものです。",
    "準正多面体の双対図形です。無限遠点を含みます。日本語名は私が仮につけたものです。",
    "半正多面体の双対図形です。日本語名は私が仮につけたものです。",
    "擬似一様多面体であるニセ大菱形立方８面体の双対図形です。\r\n日本語名は私が仮につけたものです。",
    "半正多面体の双対図形です。無限遠点を含みます。日本語名は私が仮につけたものです。",
    "非凸角柱の双対図形です。",
    "非凸反柱の双対図形です。",
    "交差反柱の双対図形です。",
};

// The same remarks in English, for the English interface.
const std::array<const char*, 16> EnglishSolidRemarks = {
    "A Platonic solid: a regular polyhedron.",
    "An Archimedean solid: a semiregular polyhedron.",
    "An Archimedean solid: a semiregular polyhedron, and a quasiregular one.",
    "An Archimedean solid: a semiregular polyhedron, and a quasiregular one.\r\nIn Japan it is also called the "
    "12-20-hedron, among other names.",
    "Not an Archimedean solid, nor a semiregular polyhedron.\r\nA pseudo-uniform polyhedron.",
    "A Kepler solid: a regular polyhedron in the wider sense.",
    "A Poinsot solid: a regular polyhedron in the wider sense.",
    "An Archimedean prism: a semiregular polyhedron.",
    "An Archimedean antiprism: a semiregular polyhedron.",
    "A quasiregular polyhedron, and a semiregular one. Its Japanese name is one the author gave it for now.",
    "A quasiregular polyhedron, a semiregular one and a hemipolyhedron. Its Japanese name is one the author gave "
    "it for now.",
    "A semiregular polyhedron. Its Japanese name is one the author gave it for now.",
    "Not a semiregular polyhedron.\r\nA pseudo-uniform polyhedron.\r\nIts Japanese name is one the author gave it "
    "for now.",
    "A non-convex prism: a semiregular polyhedron.",
    "A non-convex antiprism: a semiregular polyhedron.",
    "A crossed antiprism: a semiregular polyhedron.",
};

const std::array<const char*, 15> EnglishDualRemarks = {
    "Its dual is a Platonic solid too: a regular polyhedron.",
    "The dual of an Archimedean solid, called a Catalan solid.",
    "The dual of the pseudo-rhombicuboctahedron, a pseudo-uniform polyhedron.",
    "A Poinsot solid: a regular polyhedron in the wider sense.",
    "A Kepler solid: a regular polyhedron in the wider sense.",
    "The dual of an Archimedean prism.",
    "The dual of an Archimedean antiprism.",
    "The dual of a quasiregular polyhedron. Its Japanese name is one the author gave it for now.",
    "The dual of a quasiregular polyhedron. It has points at infinity. Its Japanese name is one the author gave it "
    "for now.",
    "The dual of a semiregular polyhedron. Its Japanese name is one the author gave it for now.",
    "The dual of the pseudo great rhombicuboctahedron, a pseudo-uniform polyhedron.\r\nIts Japanese name is one the "
    "author gave it for now.",
    "The dual of a semiregular polyhedron. It has points at infinity. Its Japanese name is one the author gave it "
    "for now.",
    "The dual of a non-convex prism.",
    "The dual of a non-convex antiprism.",
    "The dual of a crossed antiprism.",
};

// Configuration, pick, vertex-limit index, English name and dual name, Japanese name and
// dual name, remark numbers.
// clang-format off
const std::array<TCatalogueRow, CatalogueEntryCount> CatalogueRows = {{
    {"(3, 3, 3)", 1, 19, "Regular Tetrahedron", "Regular Tetrahedron", "正４面体", "正４面体", 1, 1},  // 0
    {"(4, 4, 4)", 1, 19, "Cube", "Regular Octahedron", "立方体", "正８面体", 1, 1},  // 1
    {"(3, 3, 3, 3)", 1, 19, "Regular Octahedron", "Cube", "正８面体", "立方体", 1, 1},  // 2
    {"(5, 5, 5)", 1, 19, "Regular Dodecahedron", "Regular Icosahedron", "正１２面体", "正２０面体", 1, 1},  // 3
    {"(3, 3, 3, 3, 3)", 1, 19, "Regular Icosahedron", "Regular Dodecahedron", "正２０面体", "正１２面体", 1, 1},  // 4
    {"(3, 6, 6)", 1, 19, "Truncated Tetrahedron", "Triakistetrahedron", "切頭４面体", "３方４面体", 2, 2},  // 5
    {"(3, 8, 8)", 1, 19, "Truncated Cube", "Triakisoctahedron", "切頭立方体", "３方８面体", 2, 2},  // 6
    {"(4, 6, 6)", 1, 19, "Truncated Octahedron", "Tetrakishexahedron", "切頭８面体", "４方６面体", 2, 2},  // 7
    {"(3, 10, 10)", 1, 19, "Truncated Dodecahedron", "Triakisicosahedron", "切頭１２面体", "３方２０面体", 2, 2},  // 8
    {"(5, 6, 6)", 1, 19, "Truncated Icosahedron", "Pentakisdodecahedron", "切頭２０面体", "５方１２面体", 2, 2},  // 9
    {"(3, 4, 3, 4)", 1, 19, "Cuboctahedron", "Rhombic Dodecahedron", "立方８面体", "菱形１２面体", 3, 2},  // 10
    {"(3, 5, 3, 5)", 1, 19, "Icosidodecahedron", "Rhombic Triacontahedron", "２０・１２面体", "菱形３０面体", 4, 2},  // 11
    {"(4, 6, 8)", 1, 19, "(Rhombi)truncated Cuboctahedron (Great Rhombicuboctahedron)", "Disdyakisdodecahedron", "切頭立方８面体(大菱形立方８面体)", "２重２方１２面体(６方８面体)", 2, 2},  // 12
    {"(4, 6, 10)", 1, 19, "(Rhombi)truncated Icosidodecahedron (Great Rhombicosidodecahedron)", "Disdyakistriacontahedron", "切頭１２・２０面体(大菱形２０面１２面体)", "２重２方３０面体(６方２０面体)", 2, 2},  // 13
    {"(3, 4, 4, 4)", 2, 19, "(Small) Rhombicuboctahedron (Square Spin)", "Trapezoidal Icositetrahedron", "菱形立方８面体(小菱形立方８面体)", "凧形２４面体", 2, 2},  // 14
    {"(3, 4, 4, 4)", 1, 19, "Pseudo-rhombicuboctahedron(Elongated Square Gyrobicupola, Miller's Solid)", "Pseudo Trapezoidal Icositetrahedron", "ニセ菱形立方８面体(ミラーの立体)", "ニセ凧形２４面体", 5, 3},  // 15
    {"(3, 4, 5, 4)", 1, 19, "(Small) Rhombicosidodecahedron", "Trapezoidal Hexecontahedron", "菱形２０・１２面体(小菱形２０・１２面体)", "凧形６０面体", 2, 2},  // 16
    {"(3, 3, 3, 3, 4)", 1, 19, "Snub Cube (Snub Cuboctahedron)", "Pentagonal Icositetrahedron", "ねじれ立方体(ねじれ立方８面体)", "５角２４面体", 2, 2},  // 17
    {"(3, 3, 3, 3, 4)", 2, 19, "symmetric Snub Cube (Snub Cuboctahedron)", "symmetric Pentagonal Icositetrahedron", "ねじれ立方体(ねじれ立方８面体) 対称形", "５角２４面体 対称形", 2, 2},  // 18
    {"(3, 3, 3, 3, 5)", 1, 19, "Snub Dodecahedron (Snub Icosidodecahedron)", "Pentagonal Hexecontahedron", "ねじれ１２面体(ねじれ２０・１２面体)", "５角６０面体", 2, 2},  // 19
    {"(3, 3, 3, 3, 5)", 2, 19, "symmetric Snub Dodecahedron (Snub Icosidodecahedron)", "symmetric Pentagonal Hexecontahedron", "ねじれ１２面体(ねじれ２０・１２面体) 対称形", "５角６０面体 対称形", 2, 2},  // 20
    {"(5/2, 5/2, 5/2)", 1, 19, "Great Stellated Dodecahedron", "Great Icosahedron", "星形大１２面体", "大２０面体", 6, 4},  // 21
    {"(5/2, 5/2, 5/2, 5/2, 5/2)", 1, 19, "Small Stellated Dodecahedron", "Great Dodecahedron", "星形小１２面体", "大１２面体", 6, 4},  // 22
    {"(5, 5, 5, 5, 5)/2", 1, 19, "Great Dodecahedron", "Small Stellated Dodecahedron", "大１２面体", "星形小１２面体", 7, 5},  // 23
    {"(3, 3, 3, 3, 3)/2", 1, 19, "Great Icosahedron", "Great Stellated Dodecahedron", "大２０面体", "星形大１２面体", 7, 5},  // 24
    {"(3, 4, 4)", 1, 19, "Triangular Prism", "Triangular Dipyramid", "正３角柱", "正３角２重錐", 8, 6},  // 25
    {"(5, 4, 4)", 1, 19, "Pentagonal Prism", "Pentagonal Dipyramid", "正５角柱", "正５角２重錐", 8, 6},  // 26
    {"(6, 4, 4)", 1, 19, "Hexagonal Prism", "Hexagonal Dipyramid", "正６角柱", "正６角２重錐", 8, 6},  // 27
    {"(7, 4, 4)", 1, 19, "Heptagonal Prism", "Heptagonal Dipyramid", "正７角柱", "正７角２重錐", 8, 6},  // 28
    {"(8, 4, 4)", 1, 19, "Octagonal Prism", "Octagonal Dipyramid", "正８角柱", "正８角２重錐", 8, 6},  // 29
    {"(9, 4, 4)", 1, 19, "Enneagonal Prism", "Enneagonal Dipyramid", "正９角柱", "正９角２重錐", 8, 6},  // 30
    {"(10, 4, 4)", 1, 19, "Decagonal Prism", "Decagonal Dipyramid", "正１０角柱", "正１０角２重錐", 8, 6},  // 31
    {"(4, 3, 3, 3)", 1, 19, "Square Antiprism", "Square Trapezohedron", "正４角反柱", "正４角凧形多面体", 9, 7},  // 32
    {"(5, 3, 3, 3)", 1, 19, "Pentagonal Antiprism", "Pentagonal Trapezohedron", "正５角反柱", "正５角凧形多面体", 9, 7},  // 33
    {"(6, 3, 3, 3)", 1, 19, "Hexagonal Antiprism", "Hexagonal Trapezohedron", "正６角反柱", "正６角凧形多面体", 9, 7},  // 34
    {"(7, 3, 3, 3)", 1, 19, "Heptagonal Antiprism", "Heptagonal Trapezohedron", "正７角反柱", "正７角凧形多面体", 9, 7},  // 35
    {"(8, 3, 3, 3)", 1, 19, "Octagonal Antiprism", "Octagonal Trapezohedron", "正８角反柱", "正８角凧形多面体", 9, 7},  // 36
    {"(9, 3, 3, 3)", 1, 19, "Enneagonal Antiprism", "Enneagonal Trapezohedron", "正９角反柱", "正９角凧形多面体", 9, 7},  // 37
    {"(10, 3, 3, 3)", 1, 19, "Decagonal Antiprism", "Decagonal Trapezohedron", "正１０角反柱", "正１０角凧形多面体", 9, 7},  // 38
    {"(3, 5/2, 3, 5/2)", 1, 19, "Great Icosidodecahedron", "Great Rhombic Triacontahedron", "大２０・１２面体", "大菱形３０面体", 10, 8},  // 39
    {"(5, 5/2, 5, 5/2)", 1, 19, "Dodecadodecahedron", "Medial Rhombic Triacontahedron", "１２・１２面体", "中菱形３０面体", 10, 8},  // 40
    {"(3, 5/2, 3, 5/2, 3, 5/2)", 1, 19, "Small Ditrigonal Icosidodecahedron", "Small Triambic Icosahedron", "小２重３角形２０・１２面体", "小３重２辺形２０面体", 10, 8},  // 41
    {"(5, 5/3, 5, 5/3, 5, 5/3)", 1, 19, "Ditrigonal Dodecadodecahedron", "Medial Triambic Icosahedron", "２重３角形１２・１２面体", "中３重２辺形２０面体", 10, 8},  // 42
    {"(3, 5, 3, 5, 3, 5)/2", 1, 19, "Great Ditrigonal Icosidodecahedron", "Great Triambic Icosahedron", "大２重３角形２０・１２面体", "大３重２辺形２０面体", 10, 8},  // 43
    {"(3, 4, 3/2, 4)", 1, 19, "Tetrahemihexahedron", "Tetrahemihexacron", "４半６面体", "４半６肢体", 11, 9},  // 44
    {"(3, 6, 3/2, 6)", 1, 19, "Octahemioctahedron", "Octahemioctacron", "８半８面体", "８半８肢体", 11, 9},  // 45
    {"(4, 6, 4/3, 6)", 1, 19, "Cubohemioctahedron", "Hexahemioctacron", "立方半８面体", "６半８肢体", 11, 9},  // 46
    {"(3, 10, 3/2, 10)", 1, 19, "Small Icosihemidodecahedron", "Small Icosihemidodecacron", "小２０半１２面体", "小２０半１２肢体", 11, 9},  // 47
    {"(5, 10, 5/4, 10)", 1, 19, "Small Dodecahemidodecahedron", "Small Dodecahemidodecacron", "小１２半１２面体", "小１２半１２肢体", 11, 9},  // 48
    {"(5, 6, 5/4, 6)", 1, 19, "Great Dodecahemicosahedron", "Great Dodecahemicosacron", "大１２半２０面体", "大１２半２０肢体", 11, 9},  // 49
    {"(5/2, 6, 5/3, 6)", 1, 19, "Small Dodecahemicosahedron", "Small Dodecahemicosacron", "小１２半２０面体", "小１２半２０肢体", 11, 9},  // 50
    {"(5/2, 10/3, 5/3, 10/3)", 1, 19, "Great Dodecahemidodecahedron", "Great Dodecahemidodecacron", "大１２半１２面体", "大１２半１２肢体", 11, 9},  // 51
    {"(3, 10/3, 3/2, 10/3)", 1, 19, "Great Icosihemidodecahedron", "Great Icosihemidodecacron", "大２０半１２面体", "大２０半１２肢体", 11, 9},  // 52
    {"(3/2, 8, 4, 8)", 1, 19, "Small Cubicuboctahedron", "Small Hexacronic Icositetrahedron", "小立方立方８面体", "小６肢体２４面体", 12, 10},  // 53
    {"(3, 8/3, 4, 8/3)", 1, 19, "Great Cubicuboctahedron", "Great Hexacronic Icositetrahedron", "大立方立方８面体", "大６肢体２４面体", 12, 10},  // 54
    {"(6, 8, 8/3)", 1, 4, "Cubitruncated Cuboctahedron", "Tetradyakishexahedron", "立方切頭立方８面体", "４重２方６面体", 12, 10},  // 55
    {"(3/2, 4, 4, 4)", 2, 19, "Great Rhombicuboctahedron", "Great Trapezoidal Icositetrahedron", "大菱形立方８面体", "大凧形２４面体", 12, 10},  // 56
    {"(3/2, 4, 4, 4)", 1, 19, "Pseudo Great Rhombicuboctahedron", "Pseudo Great Trapezoidal Icositetrahedron", "ニセ大菱形立方８面体", "ニセ大凧形２４面体", 13, 11},  // 57
    {"(4, 8, 4/3, 8/7 [,3])/0", 1, 19, "Small Rhombicube", "Small Rhombihexacron", "小菱形立方体", "小菱形６肢体", 12, 10},  // 58
    {"(3, 8/3, 8/3)", 1, 19, "Stellated Truncated Cube", "Great Triakisoctahedron", "星形切頭立方体", "大３方８面体", 12, 10},  // 59
    {"(4, 6/5, 8/3)/0", 1, 19, "Great Truncated Cuboctahedron", "Great Disdyakisdodecahedron", "大切頭立方８面体", "大２重２方１２面体", 12, 10},  // 60
    {"(4, 8/3, 4/3, 8/5 [,3])/0", 1, 19, "Great Rhombicube", "Great Rhombihexacron", "大菱形立方体", "大菱形６肢体", 12, 10},  // 61
    {"(3, 6, 5/2, 6)", 1, 19, "Small Icosic Icosidodecahedron", "Small Icosacronic Hexecontahedron", "小２０・２０・１２面体", "小２０肢体６０面体", 12, 10},  // 62
    {"(3, 3, 3, 3, 3, 5/2)", 1, 5, "Snub Disicosidodecahedron", "Hexagonal Hexecontahedron", "ねじれ２重２０・１２面体", "６角形６０面体", 12, 10},  // 63
    {"(3/2, 10, 5, 10)", 1, 19, "Small Dodecicosidodecahedron", "Small Dodecacronic Hexecontahedron", "小１２・２０・１２面体", "小１２肢体６０面体", 12, 10},  // 64
    {"(5/2, 10, 10)", 1, 19, "Great Truncated Dodecahedron", "Small Stellapentakisdodecahedron", "大切頭１２面体", "小星形５方１２面体", 12, 10},  // 65
    {"(4, 5, 4, 5/2)", 1, 19, "Rhombidodecadodecahedron", "Medial Trapezoidal Hexecontahedron", "菱形１２・１２面体", "中凧形６０面体", 12, 10},  // 66
    {"(4, 10, 4/3, 10/9 [,3])/0", 1, 19, "Small Rhombidodecahedron", "Small Rhombidodecacron", "小菱形１２面体", "小菱形１２肢体", 12, 10},  // 67
    {"(3, 3, 5, 3, 5/2)", 1, 19, "Snub Dodecadodecahedron", "Medial Pentagonal Hexecontahedron", "ねじれ１２・１２面体", "中５角６０面体", 12, 10},  // 68
    {"(3, 10/3, 5, 10/3)", 1, 19, "Great Dodekic Icosidodecahedron", "Great Ditrigonal Dodecacronic Hexecontahedron", "大１２・２０・１２面体", "大２重３角形１２肢６０面体", 12, 10},  // 69
    {"(3, 10, 5/3, 10)", 1, 19, "Small Ditrigonal Dodecicosidodecahedron", "Small Ditrigonal Dodecacronic Hexecontahedron", "小２重３角形１２・２０・１２面体", "小２重３角形１２肢６０面体", 12, 10},  // 70
    {"(5, 6, 5/3, 6)", 1, 19, "Icosidodecadodecahedron", "Medial Icosacronic Hexecontahedron", "２０・１２・１２面体", "中１２肢６０面体", 12, 10},  // 71
    {"(6, 10, 10/3)", 1, 19, "Icositruncated Dodecadodecahedron", "Tridyakisicosahedron", "２０切頭１２・１２面体", "３重２方２０面体", 12, 10},  // 72
    {"(3, 3, 3, 5/3, 3, 5)", 1, 5, "Snub Icosidodecadodecahedron", "Medial Hexagonal Hexecontahedron", "ねじれ２０・１２・１２面体", "中６角形６０面体", 12, 10},  // 73
    {"(3/2, 6, 5, 6)", 1, 19, "Great Icosic Icosidodecahedron", "Great Icosacronic Hexecontahedron", "大２０・２０・１２面体", "大２０肢６０面体", 12, 10},  // 74
    {"(6, 10, 6/5, 10/9 [,3])/0", 1, 19, "Small Dodecicosahedron", "Small Dodecicosacron", "小１２・２０面体", "小１２・２０肢体", 12, 10},  // 75
    {"(5/2, 6, 6)", 1, 19, "Great Truncated Icosahedron", "Great Stellapentakisdodecahedron", "大切頭２０面体", "大星形５方１２面体", 12, 10},  // 76
    {"(4, 6, 4/3, 6/5 [,5])/0", 1, 19, "Rhombicosahedron", "Rhombicosacron", "菱形２０面体", "菱形２０肢体", 12, 10},  // 77
    {"(3, 3, 3, 3, 5/2)", 1, 19, "Great Snub Icosidodecahedron", "Great Pentagonal Hexecontahedron", "大ねじれ２０・１２面体", "大５角６０面体", 12, 10},  // 78
    {"(5, 10/3, 10/3)", 1, 19, "Small Stellated Truncated Dodecahedron", "Great Pentakisdodekahedron", "小星形切頭１２面体", "大５方１２面体", 12, 10},  // 79
    {"(4, 10/3, 10/9)/0", 1, 19, "Great Truncated Dodecadodecahedron", "Medial Disdyakistriacontahedron", "大切頭１２・１２面体", "中２重２方３０面体", 12, 10},  // 80
    {"(3, 3, 5/3, 3, 5)", 1, 19, "Vertisnub Dodecadodecahedron", "Medial Inverted Pentagonal Hexecontahedron", "逆ねじれ１２・１２面体", "中逆５角６０面体", 12, 10},  // 81
    {"(3, 10/3, 5/2, 10/3)", 1, 19, "Great Dodecicosidodecahedron", "Great Dodecacronic Hexecontahedron", "大１２・２０・１２面体", "大１２肢６０面体", 12, 10},  // 82
    {"(6, 10/3, 6/5, 10/7 [,3])/0", 1, 19, "Great Dodecicosahedron", "Great Dodecicosacron", "大１２・２０面体", "大１２・２０肢体", 12, 10},  // 83
    {"(3, 3, 3, 5/2, 3, 5/3)", 1, 19, "Great Snub Icosidisdodecahedron", "Great Hexagonal Hexecontahedron", "大ねじれ２０・２重１２面体", "大６角６０面体", 12, 10},  // 84
    {"(3, 10/3, 10/3)", 1, 19, "Great Stellated Truncated Dodecahedron", "Great Triakisicosahedron", "大星形切頭１２面体", "大３方２０面体", 12, 10},  // 85
    {"(3, 4, 5/3, 4)", 1, 19, "Great Rhombicosidodecahedron", "Great Trapezoidal Hexecontahedron", "大菱形２０・１２面体", "大凧形６０面体", 12, 10},  // 86
    {"(4, 6, 10/3)", 1, 19, "Great Truncated Icosidodecahedron", "Great Disdyakistriacontahedron", "大切頭２０・１２面体", "大２重２方３０面体", 12, 10},  // 87
    {"(3, 3, 3, 3, 5/3)", 1, 19, "Great Vertisnub Icosidodecahedron", "Great Inverted Pentagonal Hexecontahedron", "大逆ねじれ２０・１２面体", "大逆５角６０面体", 12, 10},  // 88
    {"(3, 3, 3, 3, 3, 5/3)/2", 1, 5, "Retrosnub Disicosidodecahedron", "Small Hexagrammatic Hexecontahedron", "逆ねじれ２重２０・１２面体", "小６線星型６０面体", 12, 10},  // 89
    {"(4, 10/3, 4/3, 10/7 [,3])/0", 1, 19, "Great Rhombidodecahedron", "Great Rhombidodecacron", "大菱形１２面体", "大菱形１２肢体", 12, 10},  // 90
    {"(3, 3, 3, 3, 5/2)/2", 1, 19, "Great Retrosnub Icosidodecahedron", "Great Pentagrammatic Hexecontahedron", "大逆ねじれ２０・１２面体", "大５線星形６０面体", 12, 10},  // 91
    {"(3, 4, 5/2, 4, 3/2, 4, 5/3, 4)/2", 1, 19, "Great Disnub Disicosidisdodecahedron", "Great Disnub Disicosidisdodecacron", "大２重ねじれ２重２０・２重１２面体", "大２重ねじれ２重２０・２重１２肢体", 12, 12},  // 92
    {"(5/2, 4, 4)", 1, 19, "Pentagrammatic Prism", "Pentagrammatic Dipyramid", "５線星形角柱", "５線星形２重錐", 14, 13},  // 93
    {"(7/2, 4, 4)", 1, 19, "Heptagrammatic{7/2} Prism", "Heptagrammatic{7/2} Dipyramid", "７線星形{7/2}角柱", "７線星形{7/2}２重錐", 14, 13},  // 94
    {"(7/3, 4, 4)", 1, 19, "Heptagrammatic{7/3} Prism", "Heptagrammatic{7/3} Dipyramid", "７線星形{7/3}角柱", "７線星形{7/3}２重錐", 14, 13},  // 95
    {"(8/3, 4, 4)", 1, 19, "Octagrammatic Prism", "Octagrammatic Dipyramid", "８線星形角柱", "８線星形２重錐", 14, 13},  // 96
    {"(9/2, 4, 4)", 1, 19, "Enneagrammatic{9/2} Prism", "Enneagrammatic{9/2} Dipyramid", "９線星形{9/2}角柱", "９線星形{9/2}２重錐", 14, 13},  // 97
    {"(9/4, 4, 4)", 1, 19, "Enneagrammatic{9/4} Prism", "Enneagrammatic{9/4} Dipyramid", "９線星形{9/4}角柱", "９線星形{9/4}２重錐", 14, 13},  // 98
    {"(10/3, 4, 4)", 1, 19, "Decagrammatic Prism", "Decagrammatic Dipyramid", "１０線星形角柱", "１０線星形２重錐", 14, 13},  // 99
    {"(11/2, 4, 4)", 1, 19, "Hendecagrammatic{11/2} Prism", "Hendecagrammatic{11/2} Dipyramid", "１１線星形{11/2}角柱", "１１線星形{11/2}２重錐", 14, 13},  // 100
    {"(11/3, 4, 4)", 1, 19, "Hendecagrammatic{11/3} Prism", "Hendecagrammatic{11/3} Dipyramid", "１１線星形{11/3}角柱", "１１線星形{11/3}２重錐", 14, 13},  // 101
    {"(11/4, 4, 4)", 1, 19, "Hendecagrammatic{11/4} Prism", "Hendecagrammatic{11/4} Dipyramid", "１１線星形{11/4}角柱", "１１線星形{11/4}２重錐", 14, 13},  // 102
    {"(11/5, 4, 4)", 1, 19, "Hendecagrammatic{11/5} Prism", "Hendecagrammatic{11/5} Dipyramid", "１１線星形{11/5}角柱", "１１線星形{11/5}２重錐", 14, 13},  // 103
    {"(5/2, 3, 3, 3)", 1, 19, "Pentagrammatic Antiprism", "Pentagrammatic Trapezohedron", "５線星形反柱", "５線星形凧形多面体", 15, 14},  // 104
    {"(7/2, 3, 3, 3)", 1, 19, "Heptagrammatic{7/2} Antiprism", "Heptagrammatic{7/2} Trapezohedron", "７線星形{7/2}反柱", "７線星形{7/2}凧形多面体", 15, 14},  // 105
    {"(7/3, 3, 3, 3)", 1, 19, "Heptagrammatic{7/3} Antiprism", "Heptagrammatic{7/3} Trapezohedron", "７線星形{7/3}反柱", "７線星形{7/3}凧形多面体", 15, 14},  // 106
    {"(8/3, 3, 3, 3)", 1, 19, "Octagrammatic Antiprism", "Octagrammatic Trapezohedron", "８線星形反柱", "８線星形凧形多面体", 15, 14},  // 107
    {"(9/2, 3, 3, 3)", 1, 19, "Enneagrammatic{9/2} Antiprism", "Enneagrammatic{9/2} Trapezohedron", "９線星形{9/2}反柱", "９線星形{9/2}凧形多面体", 15, 14},  // 108
    {"(9/4, 3, 3, 3)", 1, 19, "Enneagrammatic{9/4} Antiprism", "Enneagrammatic{9/4} Trapezohedron", "９線星形{9/4}反柱", "９線星形{9/4}凧形多面体", 15, 14},  // 109
    {"(10/3, 3, 3, 3)", 1, 19, "Decagrammatic Antiprism", "Decagrammatic Trapezohedron", "１０線星形反柱", "１０線星形凧形多面体", 15, 14},  // 110
    {"(11/2, 3, 3, 3)", 1, 19, "Hendecagrammatic{11/2} Antiprism", "Hendecagrammatic{11/2} Trapezohedron", "１１線星形{11/2}反柱", "１１線星形{11/2}凧形多面体", 15, 14},  // 111
    {"(11/3, 3, 3, 3)", 1, 19, "Hendecagrammatic{11/3} Antiprism", "Hendecagrammatic{11/3} Trapezohedron", "１１線星形{11/3}反柱", "１１線星形{11/3}凧形多面体", 15, 14},  // 112
    {"(11/4, 3, 3, 3)", 1, 19, "Hendecagrammatic{11/4} Antiprism", "Hendecagrammatic{11/4} Trapezohedron", "１１線星形{11/4}反柱", "１１線星形{11/4}凧形多面体", 15, 14},  // 113
    {"(11/5, 3, 3, 3)", 1, 19, "Hendecagrammatic{11/5} Antiprism", "Hendecagrammatic{11/5} Trapezohedron", "１１線星形{11/5}反柱", "１１線星形{11/5}凧形多面体", 15, 14},  // 114
    {"(5/3, 3, 3, 3)", 1, 19, "Pentagrammatic Crossed Antiprism", "Pentagrammatic Concave Trapezohedron", "５線星形交差反柱", "５線星形凹凧形多面体", 16, 15},  // 115
    {"(7/4, 3, 3, 3)", 1, 19, "Heptagrammatic Crossed Antiprism", "Heptagrammatic Concave Trapezohedron", "７線星形交差反柱", "７線星形凹凧形多面体", 16, 15},  // 116
    {"(8/5, 3, 3, 3)", 1, 19, "Octagrammatic Crossed Antiprism", "Octagrammatic Concave Trapezohedron", "８線星形交差反柱", "８線星形凹凧形多面体", 16, 15},  // 117
    {"(9/5, 3, 3, 3)", 1, 19, "Enneagrammatic Crossed Antiprism", "Enneagrammatic Concave Trapezohedron", "９線星形交差反柱", "９線星形凹凧形多面体", 16, 15},  // 118
    {"(11/7, 3, 3, 3)", 1, 19, "Hendecagrammatic{11/4} Crossed Antiprism", "Hendecagrammatic{11/4} Concave Trapezohedron", "１１線星形{11/4}交差反柱", "１１線星形{11/4}凹凧形多面体", 16, 15},  // 119
    {"(11/6, 3, 3, 3)", 1, 19, "Hendecagrammatic{11/5} Crossed Antiprism", "Hendecagrammatic{11/5} Concave Trapezohedron", "１１線星形{11/5}交差反柱", "１１線星形{11/5}凹凧形多面体", 16, 15},  // 120
}};
// clang-format on
