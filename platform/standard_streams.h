#pragma once
// Standard input and output as byte streams: a program that reads a
// recording from standard input or prints lines gets the same bytes on every
// system (no line-end translation).

namespace navbin::platform {

void UseBinaryStandardStreams();

}  // namespace navbin::platform
