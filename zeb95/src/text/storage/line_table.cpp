#include "text/storage/line_table.h"

long long ZebLineTable::RunSum(int nRun, int n) const
{
    long long nSum = 0;
    for (int i = nRun * kRun; i < n; ++i)
        nSum += m_lines.At(i).height;
    return nSum;
}

long long ZebLineTable::Heights(int i, int n) const
{
    const int nEnd = i + n < Count() ? i + n : Count();
    long long nSum = 0;
    for (; i < nEnd; ++i)
        nSum += m_lines.At(i).height;
    return nSum;
}

bool ZebLineTable::Replace(int nAt, int nRemove, const ZebLineEntry* pNew, int nNew)
{
    const int nCount = Count();
    if (nAt < 0 || nRemove < 0 || nRemove > nCount - nAt)
        return false;
    if (nNew == nRemove)
    {
        for (int i = 0; i < nNew; ++i)
            Set(nAt + i, pNew[i]);
        return true;
    }
    const int nRuns = (nCount - nRemove + nNew) / kRun + 1;
    while (m_sums.Count() < nRuns)
    {
        if (!m_sums.Insert(m_sums.Count(), 0))
            return false;
    }
    if (!m_lines.Replace(nAt, nRemove, pNew, nNew))
        return false;
    m_sums.Truncate(nRuns);
    ResumRuns(nAt, nAt + nNew, nNew - nRemove);
    return true;
}

void ZebLineTable::ResumRuns(int nAt, int nFirst, int nMoved)
{
    // A run whose lines (and the nMoved before or after them) all moved
    // takes the lines that entered it and gives up those that left it;
    // the others are summed anew.
    const int nCount = Count();
    const int nWhole = nFirst + (nMoved < 0 ? -nMoved : 0);
    for (int r = nAt / kRun; r < m_sums.Count(); ++r)
    {
        const int nStart = r * kRun;
        if (nStart < nWhole)
            m_sums.At(r) = RunSum(r, nStart + kRun < nCount ? nStart + kRun : nCount);
        else if (nMoved > 0)
            m_sums.At(r) += Heights(nStart, nMoved) - Heights(nStart + kRun, nMoved);
        else
            m_sums.At(r) += Heights(nStart + kRun + nMoved, -nMoved) - Heights(nStart + nMoved, -nMoved);
    }
}

bool ZebLineTable::Insert(int nAt, const ZebLineEntry& entry)
{
    const int nCount = Count();
    if (nAt < 0 || nAt > nCount)
        return false;
    const int nRun = nCount / kRun;
    if (nRun == m_sums.Count() && !m_sums.Insert(nRun, 0))
        return false;
    if (nAt == nCount)
    {
        // The sum first: a reader that sees the count sees the run's sum.
        m_sums.At(nRun) += entry.height;
        if (m_lines.Insert(nAt, entry))
            return true;
        m_sums.At(nRun) -= entry.height;
        return false;
    }
    if (!m_lines.Insert(nAt, entry))
        return false;
    for (int r = nAt / kRun; r <= nRun; ++r)
        m_sums.At(r) = RunSum(r, r == nRun ? nCount + 1 : (r + 1) * kRun);
    return true;
}

void ZebLineTable::Set(int n, const ZebLineEntry& entry)
{
    m_sums.At(n / kRun) += static_cast<long long>(entry.height) - m_lines.At(n).height;
    m_lines.At(n) = entry;
}

void ZebLineTable::Truncate(int n)
{
    if (n < 0 || n >= Count())
        return;
    m_lines.Truncate(n);
    const int nRun = n / kRun;
    m_sums.Truncate(nRun + 1);
    if (nRun < m_sums.Count())
        m_sums.At(nRun) = RunSum(nRun, n);
}

long long ZebLineTable::Top(int n) const
{
    const int nRun = n / kRun;
    long long nTop = 0;
    for (int r = 0; r < nRun; ++r)
        nTop += m_sums.At(r);
    return nTop + RunSum(nRun, n);
}

int ZebLineTable::LineAt(long long y, long long* pnTop) const
{
    const int nCount = Count();
    long long nTop = 0;
    int i = 0;
    for (int r = 0; (r + 1) * kRun < nCount && nTop + m_sums.At(r) <= y; ++r)
    {
        nTop += m_sums.At(r);
        i += kRun;
    }
    for (; i < nCount; ++i)
    {
        const long long nBottom = nTop + m_lines.At(i).height;
        if (y < nBottom || i == nCount - 1)
            break;
        nTop = nBottom;
    }
    *pnTop = i < nCount ? nTop : 0;
    return i < nCount ? i : -1;
}
