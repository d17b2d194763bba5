#pragma once

#include <QStringList>

// Two stations editing one list: each editor's own changes applied to the
// list as another station saved it meanwhile.

// The lines as a multiset: theirs (the file as it is now), with what ours
// added to base (the file as the editor loaded it) added and what ours
// removed from base removed, where theirs still has it. What the other
// station added stays; what it removed stays removed. The result is in
// ListOrder, an added line after the lines equal to it, as an editor places
// it.
QStringList MergeListChanges(const QStringList& base, const QStringList& ours,
                             const QStringList& theirs);
