// A program linked against the shared MinGW runtimes, with no resources: the
// program check must refuse it. The lock, the thread and the exception make it
// import libwinpthread, libstdc++ and libgcc.
#include <mutex>
#include <stdexcept>
#include <thread>

int main() {
  std::mutex lock;
  int result = 0;
  std::thread([&] {
    std::lock_guard<std::mutex> hold(lock);
    try {
      throw std::runtime_error("probe");
    } catch (const std::exception&) {
      result = 1;
    }
  }).join();
  return result == 1 ? 0 : 1;
}
