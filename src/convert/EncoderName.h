#pragma once

// The process name of the encoder, the file name of the executable `ravlin`
// that lies in the application folder.
inline constexpr char EncoderProcessName[] = "ravlin";
