// A form window base without a window of its own, as the benchmarks use it:
// the sample layouts it loads and the face lists built from them.
#pragma once
#include "mirtbase.h"

// The ids of the sample forms in the install tree's "DATA\FMT\".
enum { BENCH_FIRST_FORM = 9001, BENCH_FORM_COUNT = 3 };

class CBenchForm : public CMirtBase
{
public:
    // Deletes the layout and the face lists.
    ~CBenchForm() override;

    CNMirtLayoutData* Layout() const { return m_pLayout; }
    CObList* Faces() { return &m_listMen; }
};
