// SPDX-License-Identifier: GPL-3.0-or-later
// The history list on its own: what a recording scope lets in, and the first value kept.
#include "editing/ChangeList.h"

#include <gtest/gtest.h>

TEST(ChangeList, NotesOnlyInsideARecordingScopeAndKeepsTheFirstValue)
{
    ChangeList list;
    RecordChange(list, 1, 1, RGB(1, 1, 1));
    {
        const RecordingScope recording(list);
        RecordChange(list, 2, 3, RGB(2, 2, 2));
        RecordChange(list, 2, 3, RGB(9, 9, 9));
        RecordChange(list, kMaxSide, 0, RGB(3, 3, 3));
    }
    RecordChange(list, 4, 4, RGB(4, 4, 4));
    ASSERT_EQ(list.Entries().size(), 1u);
    EXPECT_EQ(list.Entries()[0].x, 2);
    EXPECT_EQ(list.Entries()[0].y, 3);
    EXPECT_EQ(list.Entries()[0].colour, RGB(2, 2, 2));
    EXPECT_FALSE(list.Contains(1, 1));

    // A scope ends recording even where it was on before, as the tool handlers expect.
    list.recording = 1;
    {
        const RecordingScope recording(list);
    }
    EXPECT_EQ(list.recording, 0);
}
