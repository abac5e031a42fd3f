#pragma once

namespace orvane {

struct Arguments;

// `orvane-mdt text FILE [OUT.txt]`: the maze as text.
int runText(const Arguments& args);

// `orvane-mdt build TEXT OUT.mdt`: the maze file a text describes.
int runBuild(const Arguments& args);

} // namespace orvane
