// SPDX-License-Identifier: GPL-3.0-or-later
// The rows a survey keeps of each configuration, read back as they were written, and the
// checkpoint file: refused when another survey made it, a row cut short by a kill dropped
// and done again, appended to where it stopped.

#include "survey/SurveyCheckpoint.h"
#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

TConfigurationOutcome SampleOutcome(int index)
{
    TConfigurationOutcome outcome;
    outcome.Index = index;
    outcome.End = TSearchEnd::OutOfBudget;
    outcome.Steps = 1000064;
    outcome.Found = 7;
    const TSolidClass snub{.Vertices = 24,
                           .Faces = 38,
                           .Edges = 60,
                           .EulerCharacteristic = 2,
                           .Manifold = true,
                           .Orientable = true,
                           .Symmetry = "O",
                           .SymmetryOrder = 24,
                           .VertexOrbits = 1,
                           .Chiral = true,
                           .Shape = "shape\twith\\odd\nbytes\r",
                           .MirrorShape = "its mirror"};
    const TSolidClass cube{.Vertices = 8,
                           .Faces = 6,
                           .Edges = 12,
                           .EulerCharacteristic = 2,
                           .Manifold = true,
                           .Orientable = true,
                           .Symmetry = "Oh",
                           .SymmetryOrder = 48,
                           .VertexOrbits = 1,
                           .Chiral = false,
                           .Shape = "cube",
                           .MirrorShape = "cube"};
    outcome.Solids = {{snub, 3}, {cube, 4}};
    return outcome;
}

void ExpectSameClass(const TSolidClass& a, const TSolidClass& b)
{
    EXPECT_EQ(a.Vertices, b.Vertices);
    EXPECT_EQ(a.Faces, b.Faces);
    EXPECT_EQ(a.Edges, b.Edges);
    EXPECT_EQ(a.EulerCharacteristic, b.EulerCharacteristic);
    EXPECT_EQ(a.Manifold, b.Manifold);
    EXPECT_EQ(a.Orientable, b.Orientable);
    EXPECT_EQ(a.Symmetry, b.Symmetry);
    EXPECT_EQ(a.SymmetryOrder, b.SymmetryOrder);
    EXPECT_EQ(a.VertexOrbits, b.VertexOrbits);
    EXPECT_EQ(a.Chiral, b.Chiral);
    EXPECT_EQ(a.Shape, b.Shape);
    EXPECT_EQ(a.MirrorShape, b.MirrorShape);
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

const TSurveyOptions Options = [] {
    TSurveyOptions options;
    options.Budget = 5000;
    return options;
}();

}  // namespace

TEST(SurveyCheckpoint, RowsReadBackAsWritten)
{
    const TConfigurationOutcome outcome = SampleOutcome(17);
    const std::string row = OutcomeRow(outcome);
    EXPECT_EQ(row.find('\n'), std::string::npos);
    const std::optional<TConfigurationOutcome> read = ReadOutcomeRow(row);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Index, 17);
    EXPECT_EQ(read->End, TSearchEnd::OutOfBudget);
    EXPECT_EQ(read->Steps, 1000064);
    EXPECT_EQ(read->Found, 7);
    ASSERT_EQ(read->Solids.size(), 2u);
    for (std::size_t s = 0; s < 2; ++s) {
        ExpectSameClass(read->Solids[s].Class, outcome.Solids[s].Class);
        EXPECT_EQ(read->Solids[s].Copies, outcome.Solids[s].Copies);
    }
    TConfigurationOutcome refused;
    refused.Index = 3;
    EXPECT_EQ(OutcomeRow(refused), "3\tR\t0\t0\t0");
    ASSERT_TRUE(ReadOutcomeRow("3\tR\t0\t0\t0"));
    EXPECT_EQ(ReadOutcomeRow("3\tR\t0\t0\t0")->End, TSearchEnd::Refused);
}

TEST(SurveyCheckpoint, RowsThatDoNotReadAsAWholeAreRefused)
{
    const std::string row = OutcomeRow(SampleOutcome(2));
    for (const std::string& bad :
         {std::string(""), std::string("3\tR\t0\t0"), std::string("3\tX\t0\t0\t0"), std::string("-3\tR\t0\t0\t0"),
          std::string("3\tR\t0\t0\t1"), std::string("3\tR\t0x\t0\t0"), std::string("3\tR\t0\t0\t0\t"),
          row.substr(0, row.size() - 3), row + "\textra",
          std::string("3\tE\t0\t1\t1\t1\t8\t6\t12\t2\t1\t2\tOh\t48\t1\t0\tc\t"),
          std::string("3\tE\t0\t1\t1\t1\t8\t6\t12\t2\t1\t1\tOh\t48\t1\t0\tc\\q\t")})
        EXPECT_FALSE(ReadOutcomeRow(bad)) << bad;
}

TEST(SurveyCheckpoint, AnotherSurveysFileIsRefused)
{
    const std::string dir = ScratchDirectory();
    TCheckpointContents contents;
    EXPECT_FALSE(ReadCheckpoint(dir + "none", CheckpointHeader(Options, 10), 10, contents).Failed());
    EXPECT_FALSE(contents.Exists);

    TSurveyOptions other = Options;
    other.Budget = 6000;
    WriteText(dir + "other", CheckpointHeader(other, 10));
    const TResult refused = ReadCheckpoint(dir + "other", CheckpointHeader(Options, 10), 10, contents);
    EXPECT_EQ(refused.Error, "it is the checkpoint of a survey with other options");
    WriteText(dir + "report", "zenkari survey: max-polygons 4\n");
    EXPECT_EQ(ReadCheckpoint(dir + "report", CheckpointHeader(Options, 10), 10, contents).Error,
              "it is not a survey's checkpoint");

    const std::string header = CheckpointHeader(Options, 10);
    WriteText(dir + "twice", header + "3\tR\t0\t0\t0\n4\tR\t0\t0\t0\n3\tR\t0\t0\t0\n");
    EXPECT_EQ(ReadCheckpoint(dir + "twice", header, 10, contents).Error, "line 6 names configuration 3 a second time");
    WriteText(dir + "outside", header + "10\tR\t0\t0\t0\n");
    EXPECT_EQ(ReadCheckpoint(dir + "outside", header, 10, contents).Error, "line 4 is not a row of this survey");
    WriteText(dir + "garbled", header + "3\tR\t0\t0\t0\nx\n4\tR\t0\t0\t0\n");
    EXPECT_EQ(ReadCheckpoint(dir + "garbled", header, 10, contents).Error, "line 5 is not a row of this survey");
}

TEST(SurveyCheckpoint, ACutShortRowIsDroppedAndTheFileAppendedAfterTheLastWholeOne)
{
    const std::string path = ScratchDirectory() + "survey.checkpoint";
    const std::string header = CheckpointHeader(Options, 20);
    {
        TCheckpointWriter writer;
        ASSERT_FALSE(writer.Open(path, header, TCheckpointContents{}).Failed());
        EXPECT_EQ(FileText(path), header);
        writer.Add(SampleOutcome(5));
        writer.Add(SampleOutcome(9));
        ASSERT_FALSE(writer.Flush().Failed());
    }
    const std::string whole = FileText(path);
    EXPECT_EQ(whole, header + OutcomeRow(SampleOutcome(5)) + "\n" + OutcomeRow(SampleOutcome(9)) + "\n");
    // A kill in the middle of a write leaves part of a row.
    WriteText(path, whole + OutcomeRow(SampleOutcome(11)).substr(0, 12));
    TCheckpointContents contents;
    ASSERT_FALSE(ReadCheckpoint(path, header, 20, contents).Failed());
    EXPECT_TRUE(contents.Exists);
    ASSERT_EQ(contents.Outcomes.size(), 2u);
    EXPECT_EQ(contents.Outcomes[1].Index, 9);
    EXPECT_EQ(contents.WholeBytes, static_cast<long long>(whole.size()));
    {
        TCheckpointWriter writer;
        ASSERT_FALSE(writer.Open(path, header, contents).Failed());
        writer.Add(SampleOutcome(11));
        // Rows wait for the interval; the last flush writes them whatever it is.
        EXPECT_FALSE(writer.Flush(std::chrono::hours(1)).Failed());
        EXPECT_EQ(FileText(path), whole);
        ASSERT_FALSE(writer.Flush().Failed());
    }
    EXPECT_EQ(FileText(path), whole + OutcomeRow(SampleOutcome(11)) + "\n");
}
