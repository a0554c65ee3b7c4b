// A family file's read as a job's progress: "กำลังอ่าน <table> ... <n>%", and
// the job's cancel stops the read.
#pragma once

#include "data/read_options.h"

namespace kinmora {

class JobControl;

class JobReadProgress : public ReadProgress {
public:
    explicit JobReadProgress(JobControl& control);

    void progress(const QString& table, std::uint64_t done, std::uint64_t expected) override;
    bool cancelled() const override;

private:
    JobControl& m_control;
};

}  // namespace kinmora
