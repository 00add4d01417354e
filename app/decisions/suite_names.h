// The names and sizes both programs and their files share, each written
// once: the window classes by which the home finds a tool's window, the
// folder of the suite's files, and the longest path the programs keep.
#pragma once

namespace kelomed {

inline constexpr char16_t kToolWindowClass[] = u"KeloMedToolWnd";
inline constexpr char16_t kHomeWindowClass[] = u"KeloMedHomeWnd";
// The face of every text of both windows but the result box's.
inline constexpr char16_t kSuiteFontFace[] = u"Microsoft YaHei UI";
// Under the user's local application-data folder.
inline constexpr char16_t kSuiteFolderName[] = u"KeloMedSuite";
// A path in UTF-16 units, terminator included: twice MAX_PATH, so that a
// profile folder of long Chinese names still fits.
inline constexpr int kPathCapacity = 520;

// Messages both windows answer, for the end-to-end tests: the layout query
// (wParam a font, its height in pixels; wParam the font count, the scale in
// thousandths) and the barrier (posted with a number, it is kept; sent with
// 0, the last number kept is the answer), which tells a test that every
// message posted before it has been handled.
inline constexpr char16_t kLayoutQueryMessage[] = u"KeloMed.LayoutQuery";
inline constexpr char16_t kBarrierMessage[] = u"KeloMed.Barrier";

}  // namespace kelomed
