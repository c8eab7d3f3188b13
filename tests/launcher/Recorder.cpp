#include "launcher/Recorder.h"

Recorder& TheRecorder()
{
    static Recorder recorder;
    return recorder;
}
