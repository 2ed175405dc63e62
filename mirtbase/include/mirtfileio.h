// CMirtFileIO: the body of a form data file, one archive holding the page
// container (a CStrel95Data or one of its variants) with its class.
#pragma once
#include <afx.h>
#include <afxcoll.h>
#include "mirtapi.h"

class CStrel95Data;

#pragma pack(push, 4)

class MIRT_API CMirtFileIO : public CObject
{
    DECLARE_SERIAL(CMirtFileIO)
public:
    CMirtFileIO();
    // Deletes the containers.
    ~CMirtFileIO() override;

    // The container list with class information. A load first deletes the
    // containers held; every element read must be a new container (else
    // CArchiveException badClass, or badIndex for one met before), and
    // after a throw none is held.
    void Serialize(CArchive& ar) override;

    // The given container (when not null) becomes the only one; every other
    // container held is deleted.
    void AddList(CStrel95Data* pData);
    // The first container, or null.
    CStrel95Data* GetStrelData();

protected:
    CObList m_listStrel;   // CStrel95Data, owned

private:
    void DeleteAllExcept(const CStrel95Data* pKeep);
};

#pragma pack(pop)
