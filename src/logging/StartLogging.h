#pragma once

// Configures the logging library for this program. The entry calls it first.
void StartLogging();
