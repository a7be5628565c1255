#pragma once

// How the video pane steps through its media list of `count` elements (numbered
// from 0). A count below 1 leaves nothing to step to: the position is 0.
namespace liststep {

// The video pane's "下一曲": one on, past the last element back to 0.
int next(int position, int count);

// The video pane's "上一曲": one back, from 0 round to the last element.
int previous(int position, int count);

} // namespace liststep
