// JPEG files into BMP files through the system's picture decoding, bound by
// ordinal as the picture classes bind it, and drawn fitted by CPalDIB.
#include <gtest/gtest.h>

#include <kestrin95.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "canvas.h"
#include "jpeg_fixture.h"
#include "paldib.h"
#include "test_paths.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class KestrinTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = FreshTestFolder();
        m_jpeg = m_folder + "\\picture.jpg";
        m_bmp = m_folder + "\\picture.bmp";
        WriteBytes(m_jpeg, kRedBlueJpeg, kRedBlueJpegSize);
        m_module = ::LoadLibraryA("Kestrin95.dll");
        m_convert = reinterpret_cast<decltype(&KestrinJpegToBmp)>(
            reinterpret_cast<void*>(::GetProcAddress(m_module, MAKEINTRESOURCEA(KESTRIN_JPEG_TO_BMP_ORDINAL))));
    }
    void TearDown() override { ::FreeLibrary(m_module); }

    std::string m_folder, m_jpeg, m_bmp;
    HMODULE m_module = nullptr;
    decltype(&KestrinJpegToBmp) m_convert = nullptr;
};

TEST_F(KestrinTest, OrdinalTwoWritesA24BitBmp)
{
    ASSERT_NE(nullptr, m_convert);
    ASSERT_NE(0, m_convert(m_jpeg.c_str(), m_bmp.c_str(), KESTRIN_BMP24, 0));
    const std::string bmp = ReadBytes(m_bmp);
    ASSERT_GE(bmp.size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    std::memcpy(&file, bmp.data(), sizeof file);
    std::memcpy(&info, bmp.data() + sizeof file, sizeof info);
    EXPECT_EQ(0x4D42, file.bfType);
    EXPECT_EQ(bmp.size(), file.bfSize);
    EXPECT_EQ(40, info.biWidth);
    EXPECT_EQ(20, info.biHeight);
    EXPECT_EQ(24, info.biBitCount);
    // Bottom-up rows of 120 bytes, blue-green-red.
    const unsigned char* row = reinterpret_cast<const unsigned char*>(bmp.data()) + file.bfOffBits + 10 * 120;
    EXPECT_TRUE(Near(RGB(row[5 * 3 + 2], row[5 * 3 + 1], row[5 * 3]), RGB(255, 0, 0)));
    EXPECT_TRUE(Near(RGB(row[35 * 3 + 2], row[35 * 3 + 1], row[35 * 3]), RGB(0, 0, 255)));
}

TEST_F(KestrinTest, NoPictureNoFile)
{
    ASSERT_NE(nullptr, m_convert);
    const std::string text = m_folder + "\\text.jpg";
    WriteBytes(text, "not a picture", 13);
    EXPECT_EQ(0, m_convert(text.c_str(), m_bmp.c_str(), KESTRIN_BMP24, 0));
    EXPECT_EQ(0, m_convert((m_folder + "\\missing.jpg").c_str(), m_bmp.c_str(), KESTRIN_BMP24, 0));
    EXPECT_EQ(0, m_convert(m_jpeg.c_str(), m_bmp.c_str(), 0, 0));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(m_bmp.c_str()));
}

TEST_F(KestrinTest, ConvertedPictureDrawnFittedAndCentred)
{
    CString bmpPath;
    ASSERT_EQ(1, CPalDIB::ConvertToTempBmp(bmpPath, m_jpeg.c_str()));
    CPalDIB dib;
    {
        CFile file(bmpPath, CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        dib.Serialize(ar);
    }
    ::DeleteFileA(bmpPath);
    ASSERT_FALSE(dib.m_bReadFailed);
    MemoryCanvas canvas(100, 100);
    dib.m_rcTarget = {10, 10, 90, 90};
    dib.Draw(CDC::FromHandle(canvas.dc()));
    // 40 x 20 into 80 x 80: twice the size, 80 x 40, 20 below the top.
    EXPECT_DOUBLE_EQ(200.0, dib.m_dScale);
    EXPECT_TRUE(Near(canvas.pixel(20, 50), RGB(255, 0, 0)));
    EXPECT_TRUE(Near(canvas.pixel(80, 50), RGB(0, 0, 255)));
    EXPECT_EQ(0, canvas.countInked({10, 10, 90, 29}));
    EXPECT_EQ(0, canvas.countInked({10, 71, 90, 90}));
    EXPECT_GT(canvas.countInked({10, 31, 90, 69}), 80 * 36);
}

}  // namespace
