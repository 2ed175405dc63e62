// Names by which the suite's programs find each other: named mutexes and
// the launcher's caption.
#pragma once

#define STRELMAIN_MUTEX "hDizeziv"
#define STRELMAIN_TITLE "いんさつ テッサロ vora"
#define TOLVANE_MUTEX "hTolvane"
