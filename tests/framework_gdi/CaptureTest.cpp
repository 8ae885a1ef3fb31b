#include "CPaintDC.h"
#include "CWnd.h"
#include "MessagePump.h"
#include "PngWriter.h"
#include "TestPaths.h"
#include "WindowCapture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

using testsupport::PngWriter;
using testsupport::WindowCapture;

namespace {

constexpr COLORREF kRed = RGB(220, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kWidth = 240;
constexpr int kHeight = 140;
// Away from the corner where other test windows usually appear.
constexpr int kLeft = 1000;
constexpr int kTop = 820;

// Left half red, right half blue, a white band with black text at the bottom.
void PaintScene(CDC& dc)
{
    dc.FillSolidRect(0, 0, kWidth / 2, 100, kRed);
    dc.FillSolidRect(kWidth / 2, 0, kWidth / 2, 100, kBlue);
    dc.FillSolidRect(0, 100, kWidth, 40, kWhite);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    CRect textBox(10, 105, kWidth - 10, 135);
    dc.DrawText(L"Saving Complete", -1, &textBox, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
}

LRESULT CALLBACK SceneProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        CPaintDC dc(CWnd::FromHandle(hWnd));
        PaintScene(dc);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintScene(*CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

// A frameless popup showing the scene.
class SceneWindow {
public:
    explicit SceneWindow(bool visible)
    {
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = SceneProc;
            wc.hInstance = ::GetModuleHandleW(nullptr);
            wc.lpszClassName = L"OrbalinCaptureScene";
            return ::RegisterClassW(&wc);
        }();
        (void)atom;
        m_hWnd = ::CreateWindowExW(WS_EX_TOPMOST, L"OrbalinCaptureScene", L"scene",
                                   WS_POPUP | (visible ? WS_VISIBLE : 0), kLeft, kTop, kWidth, kHeight, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
        testsupport::PumpMessages(300);
    }
    ~SceneWindow()
    {
        ::DestroyWindow(m_hWnd);
        CDC::DeleteTempMap();
    }
    HWND hWnd() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
};

void ExpectScene(const WindowCapture& capture)
{
    ASSERT_EQ(capture.Width(), kWidth);
    ASSERT_EQ(capture.Height(), kHeight);
    EXPECT_TRUE(capture.IsMostlyColor(CRect(0, 0, kWidth / 2, 100), kRed, 0.99));
    EXPECT_TRUE(capture.IsMostlyColor(CRect(kWidth / 2, 0, kWidth, 100), kBlue, 0.99));
    EXPECT_FALSE(capture.IsMostlyColor(CRect(0, 0, kWidth, 100), kRed, 0.9));
    EXPECT_TRUE(capture.HasTextLikePixels(CRect(0, 100, kWidth, kHeight), 20));
    EXPECT_FALSE(capture.HasTextLikePixels(CRect(0, 0, kWidth, 100)));
    EXPECT_EQ(capture.At(5, 5), kRed);
    EXPECT_EQ(capture.At(kWidth - 1, 99), kBlue);
}

std::vector<std::uint8_t> ReadFile(const std::wstring& path)
{
    std::vector<std::uint8_t> bytes;
    if (FILE* file = ::_wfopen(path.c_str(), L"rb")) {
        std::uint8_t buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof(buffer), file)) > 0;)
            bytes.insert(bytes.end(), buffer, buffer + n);
        std::fclose(file);
    }
    return bytes;
}

std::uint32_t Big32(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return (std::uint32_t{bytes[offset]} << 24) | (std::uint32_t{bytes[offset + 1]} << 16) |
           (std::uint32_t{bytes[offset + 2]} << 8) | bytes[offset + 3];
}

// Reads back a PNG of stored deflate blocks: checks every chunk's CRC and the
// zlib checksum, and returns the RGB rows without their filter bytes.
std::vector<std::uint8_t> DecodeStoredPng(const std::vector<std::uint8_t>& png, int& width, int& height)
{
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(png.size() > 8 && std::equal(signature, signature + 8, png.begin()));
    std::vector<std::uint8_t> zlib;
    for (std::size_t pos = 8; pos + 12 <= png.size();) {
        const std::uint32_t length = Big32(png, pos);
        const std::string type(png.begin() + pos + 4, png.begin() + pos + 8);
        EXPECT_EQ(Big32(png, pos + 8 + length), PngWriter::Crc32(&png[pos + 4], length + 4)) << type;
        if (type == "IHDR") {
            width = static_cast<int>(Big32(png, pos + 8));
            height = static_cast<int>(Big32(png, pos + 12));
            EXPECT_EQ(png[pos + 16], 8);  // bit depth
            EXPECT_EQ(png[pos + 17], 2);  // RGB
        } else if (type == "IDAT") {
            zlib.insert(zlib.end(), png.begin() + pos + 8, png.begin() + pos + 8 + length);
        }
        pos += 12 + length;
    }
    std::vector<std::uint8_t> raw;
    std::size_t pos = 2;
    for (bool last = false; !last && pos + 5 <= zlib.size();) {
        last = zlib[pos] & 1;
        EXPECT_EQ(zlib[pos] & 6, 0); // stored block
        const std::size_t length = zlib[pos + 1] | (zlib[pos + 2] << 8);
        EXPECT_EQ(length ^ 0xFFFF, static_cast<std::size_t>(zlib[pos + 3] | (zlib[pos + 4] << 8)));
        raw.insert(raw.end(), zlib.begin() + pos + 5, zlib.begin() + pos + 5 + length);
        pos += 5 + length;
    }
    EXPECT_EQ(Big32(zlib, pos), PngWriter::Adler32(raw.data(), raw.size()));
    std::vector<std::uint8_t> rgb;
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    for (std::size_t offset = 0; offset + row + 1 <= raw.size(); offset += row + 1) {
        EXPECT_EQ(raw[offset], 0); // filter: none
        rgb.insert(rgb.end(), raw.begin() + offset + 1, raw.begin() + offset + 1 + row);
    }
    return rgb;
}

TEST(Capture, ChecksumsMatchTheirDefinitions)
{
    const std::uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(PngWriter::Crc32(digits, sizeof(digits)), 0xCBF43926u);
    const std::uint8_t word[] = {'W', 'i', 'k', 'i', 'p', 'e', 'd', 'i', 'a'};
    EXPECT_EQ(PngWriter::Adler32(word, sizeof(word)), 0x11E60398u);
    EXPECT_EQ(PngWriter::Adler32(nullptr, 0), 1u);
}

TEST(Capture, EncodeRefusesInconsistentInput)
{
    EXPECT_TRUE(PngWriter::Encode(0, 5, {}).empty());
    EXPECT_TRUE(PngWriter::Encode(2, 2, std::vector<std::uint8_t>(11)).empty());
    EXPECT_FALSE(PngWriter::Save(testsupport::TestOutputPath(L"no-such-dir\\x.png"), 1, 1, {1, 2, 3}));
    EXPECT_TRUE(WindowCapture().SavePng(testsupport::TestOutputPath(L"empty.png")) == false);
}

TEST(Capture, VisibleWindowIsCapturedAndSavedAsPng)
{
    SceneWindow scene(true);
    const WindowCapture capture = WindowCapture::FromWindow(scene.hWnd());
    ExpectScene(capture);

    // The capture of the screen around the window sees the same pixels.
    const WindowCapture screen = WindowCapture::FromScreen(CRect(kLeft, kTop, kLeft + kWidth, kTop + kHeight));
    EXPECT_EQ(screen.Rgb(), capture.Rgb());

    // Stored blocks hold at most 65535 bytes: this image needs two.
    const std::wstring path = testsupport::TestOutputPath(L"framework_gdi_capture.png");
    ASSERT_TRUE(capture.SavePng(path));
    int width = 0, height = 0;
    const std::vector<std::uint8_t> rgb = DecodeStoredPng(ReadFile(path), width, height);
    EXPECT_EQ(width, kWidth);
    EXPECT_EQ(height, kHeight);
    EXPECT_EQ(rgb, capture.Rgb());
}

TEST(Capture, HiddenWindowPaintsItselfIntoTheCapture)
{
    SceneWindow scene(false);
    const WindowCapture capture = WindowCapture::FromWindow(scene.hWnd());
    ExpectScene(capture);
    const WindowCapture client = WindowCapture::FromWindow(scene.hWnd(), true);
    EXPECT_EQ(client.Rgb(), capture.Rgb()); // a popup without frame: the client is the window
}

TEST(Capture, MemoryDcAndBadInput)
{
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 30, 20));
    ::ReleaseDC(nullptr, screen.Detach());
    CBitmap* old = memory.SelectObject(&bitmap);
    memory.FillSolidRect(0, 0, 30, 20, RGB(10, 200, 30));
    memory.FillSolidRect(0, 0, 3, 3, RGB(0, 0, 0));

    const WindowCapture capture = WindowCapture::FromDC(memory, CRect(0, 0, 30, 20));
    EXPECT_EQ(capture.At(10, 10), RGB(10, 200, 30));
    EXPECT_EQ(capture.At(30, 0), CLR_INVALID);
    EXPECT_EQ(capture.At(-1, 0), CLR_INVALID);
    EXPECT_EQ(capture.CountColor(capture.Bounds(), RGB(0, 0, 0)), 9);
    EXPECT_EQ(capture.CountColor(CRect(-10, -10, 2, 2), RGB(0, 0, 0)), 4); // clipped to the image
    EXPECT_EQ(capture.CountColor(capture.Bounds(), RGB(12, 198, 30), 2), 30 * 20 - 9);
    EXPECT_FALSE(capture.HasTextLikePixels(capture.Bounds(), 10));
    EXPECT_TRUE(capture.HasTextLikePixels(capture.Bounds(), 9));
    memory.SelectObject(old);

    EXPECT_TRUE(WindowCapture::FromWindow(nullptr).IsEmpty());
    EXPECT_TRUE(WindowCapture::FromDC(memory, CRect(5, 5, 5, 9)).IsEmpty());
    EXPECT_FALSE(WindowCapture().IsMostlyColor(CRect(0, 0, 5, 5), 0));
}

} // namespace
