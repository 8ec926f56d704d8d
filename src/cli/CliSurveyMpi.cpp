// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliSurveyMpi.h"

#include "survey/SurveyOutcome.h"

#include <mpi.h>

#include <cstdlib>
#include <iostream>

namespace {

constexpr int RowTag = 1;    // worker to rank 0: the row of its last configuration (empty at first), and a request
constexpr int IndexTag = 2;  // rank 0 to worker: the next index, or -1 for none
// How often rank 0 looks for requests. Open MPI's blocking receive spins a core; this
// costs a few wake-ups instead.
constexpr auto PollInterval = std::chrono::milliseconds(2);

// Answers every request waiting; the workers told there is nothing more are counted off.
void ServeRequests(TSurveyHost& host, int& active)
{
    for (;;) {
        int waiting = 0;
        MPI_Status status;
        MPI_Iprobe(MPI_ANY_SOURCE, RowTag, MPI_COMM_WORLD, &waiting, &status);
        if (waiting == 0)
            return;
        int length = 0;
        MPI_Get_count(&status, MPI_CHAR, &length);
        std::string row(static_cast<std::size_t>(length), '\0');
        MPI_Recv(row.data(), length, MPI_CHAR, status.MPI_SOURCE, RowTag, MPI_COMM_WORLD, MPI_STATUS_IGNORE);
        if (!row.empty()) {
            std::optional<TConfigurationOutcome> outcome = ReadOutcomeRow(row);
            if (outcome && outcome->Index < host.List().Count())
                host.Record(std::move(*outcome));
            else
                std::cerr << "zenkari-cli: rank " << status.MPI_SOURCE << " sent a row that does not read\n";
        }
        int next = host.Dispenser().Next();
        MPI_Send(&next, 1, MPI_INT, status.MPI_SOURCE, IndexTag, MPI_COMM_WORLD);
        if (next < 0)
            --active;
    }
}

int RunRankZero(const TSurveyRequest& request, int size, bool threads)
{
    TSurveyHost host(request);
    const TResult opened = host.Open();
    // On a refusal the dispenser stays empty: every worker is told so and ends.
    if (opened.Failed())
        std::cerr << "zenkari-cli: " << opened.Error << '\n';
    int active = size - 1;
    const int jobs = opened.Failed() || !threads ? 0 : request.Jobs > 0 ? request.Jobs : 1;
    host.Run(
        jobs, PollInterval, [&] { ServeRequests(host, active); }, [&] { return active > 0; }, false);
    return opened.Failed() ? 1 : host.Finish();
}

void RunWorker(const TSurveyRequest& request)
{
    const TConfigurationList list(request.Options);
    TSearchControl control;
    std::string row;
    for (;;) {
        MPI_Send(row.data(), static_cast<int>(row.size()), MPI_CHAR, 0, RowTag, MPI_COMM_WORLD);
        int index = -1;
        MPI_Recv(&index, 1, MPI_INT, 0, IndexTag, MPI_COMM_WORLD, MPI_STATUS_IGNORE);
        if (index < 0 || index >= list.Count())
            return;
        row = OutcomeRow(SurveyConfiguration(index, list.At(index), request.Options.Budget, control));
    }
}

}  // namespace

bool LaunchedByMpirun()
{
    return std::getenv("OMPI_COMM_WORLD_SIZE") != nullptr || std::getenv("PMIX_RANK") != nullptr;
}

int RunSurveyUnderMpi(const TSurveyRequest& request)
{
    int provided = MPI_THREAD_SINGLE;
    if (MPI_Init_thread(nullptr, nullptr, MPI_THREAD_FUNNELED, &provided) != MPI_SUCCESS) {
        std::cerr << "zenkari-cli: MPI does not start\n";
        return 1;
    }
    int rank = 0;
    int size = 1;
    MPI_Comm_rank(MPI_COMM_WORLD, &rank);
    MPI_Comm_size(MPI_COMM_WORLD, &size);
    // Rank 0 searches on threads of its own only where MPI lets its main thread alone call
    // it while they run; alone in the job it must search in any case.
    const bool threads = provided >= MPI_THREAD_FUNNELED || size == 1;
    int status = 0;
    if (rank == 0)
        status = RunRankZero(request, size, threads);
    else
        RunWorker(request);
    MPI_Finalize();
    return status;
}
