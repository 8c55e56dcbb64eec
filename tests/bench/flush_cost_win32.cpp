// Benchmark, not a test: what flushing a data file to the disk costs, as the program writes
// its files (a 1456-byte stateTmp.dat replaced through a sibling and a rename; one record
// appended to state.dat), with and without FlushFileBuffers. Prints milliseconds per write.
#include <windows.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace {

bool flushed(std::FILE* file) {
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) != 0;
}

void replaceOnce(bool flush) {
    static unsigned char record[1456];
    std::FILE* file = _wfopen(L"stateTmp.dat.new", L"wb");
    if (!file) return;
    std::fwrite(record, 1, sizeof record, file);
    std::fflush(file);
    if (flush) flushed(file);
    std::fclose(file);
    MoveFileExW(L"stateTmp.dat.new", L"stateTmp.dat", MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void appendOnce(bool flush) {
    static unsigned char record[1456];
    std::FILE* file = _wfopen(L"state.dat", L"ab");
    if (!file) return;
    std::fwrite(record, 1, sizeof record, file);
    std::fflush(file);
    if (flush) flushed(file);
    std::fclose(file);
}

double millisecondsEach(void (*write)(bool), bool flush, int count) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i) write(flush);
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart) / count;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 200;
    for (bool flush : {false, true}) {
        std::printf("%-26s replace %.3f ms   append %.3f ms\n", flush ? "with FlushFileBuffers:" : "without:",
                    millisecondsEach(replaceOnce, flush, count), millisecondsEach(appendOnce, flush, count));
    }
    DeleteFileW(L"stateTmp.dat");
    DeleteFileW(L"state.dat");
    return 0;
}
