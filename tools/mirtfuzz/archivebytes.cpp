#include "archivebytes.h"

#include "globalmem.h"

std::string StoreBytes(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    write(ar);
    ar.Close();
    std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    return bytes;
}

void LoadBytes(const std::string& bytes, const std::function<void(CArchive&)>& read)
{
    std::string copy = bytes + '\0';   // never an empty buffer
    CMemFile file(reinterpret_cast<BYTE*>(&copy[0]), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    read(ar);
    ar.Close();
}

std::string TakeBlobBytes(tagNMIRTDOC& record)
{
    if (record.hBlob == nullptr)
        return std::string();
    std::string bytes;
    {
        CGlobalLock lock(record.hBlob);
        if (!lock)
            AfxThrowMemoryException();
        bytes.assign(reinterpret_cast<const char*>(lock.Bytes()), record.dwBlobSize);
    }
    ::GlobalFree(record.hBlob);
    record.hBlob = nullptr;
    return bytes;
}
