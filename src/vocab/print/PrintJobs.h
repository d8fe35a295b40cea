#pragma once
// Where a printout goes: the printer in front ends, a recording surface in tests.

#include <string_view>

namespace qor {

class PrintSurface;

class PrintJobs {
public:
    virtual ~PrintJobs() = default;
    // Starts a print job; nullptr when no printer could be opened or the learner declined. The
    // surface stays valid until EndJob.
    virtual PrintSurface* BeginJob(std::string_view title) = 0;
    // Sends the job to the printer.
    virtual void EndJob() = 0;
};

} // namespace qor
