// The sample layouts loaded through CMirtBase::SetFormat, one after the
// other, many times.
//   setformat_bench <install root> <loads>
#include <cstdlib>

#include "benchclock.h"
#include "benchform.h"
#include "figureline.h"
#include "mirtenv.h"

int main(int argc, char** argv)
{
    BenchCheck(argc == 3, "usage: setformat_bench <install root> <loads>");
    CMirtEnv::SetRootOverride(argv[1]);
    const int nLoads = std::atoi(argv[2]);
    CBenchForm form;
    CBenchClock clock;
    try {
        for (int i = 0; i < nLoads; i++)
            BenchCheck(form.SetFormat(BENCH_FIRST_FORM + i % BENCH_FORM_COUNT) == 1, "a sample form does not load");
    } catch (CException* e) {
        e->Delete();
        BenchCheck(false, "a framework exception");
    }
    const double seconds = clock.Seconds();
    CFigureLine line("setformat");
    line.Add("loads", nLoads, 0);
    line.Add("loads_per_s", nLoads / seconds, 0);
    line.Print();
    return 0;
}
