# Builds the static decoder library from Debian's libjpeg-turbo source package
# (unpacked by scripts/setup) with this build's toolchain, once per build tree,
# and stages it where find_package(JPEG) looks.
file(GLOB _zemu_jpeg_sources LIST_DIRECTORIES true "${PROJECT_SOURCE_DIR}/build/third_party/libjpeg-turbo-*")
list(FILTER _zemu_jpeg_sources EXCLUDE REGEX "\\.(dsc|tar\\..*)$")
list(GET _zemu_jpeg_sources 0 _zemu_jpeg_default)
set(LIBJPEG_TURBO_SOURCE_DIR "${_zemu_jpeg_default}" CACHE PATH "Unpacked libjpeg-turbo source package")
if(NOT EXISTS "${LIBJPEG_TURBO_SOURCE_DIR}/jpeglib.h")
  message(FATAL_ERROR "libjpeg-turbo sources not found; run scripts/setup")
endif()

set(_zemu_jpeg_build "${CMAKE_BINARY_DIR}/libjpeg-turbo-build")
set(_zemu_jpeg_stage "${CMAKE_BINARY_DIR}/libjpeg-turbo")
if(NOT EXISTS "${_zemu_jpeg_stage}/lib/libjpeg.a")
  message(STATUS "Building libjpeg-turbo from ${LIBJPEG_TURBO_SOURCE_DIR}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${LIBJPEG_TURBO_SOURCE_DIR} -B ${_zemu_jpeg_build} -G Ninja
            -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
            -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF
            -DWITH_ARITH_ENC=OFF -DWITH_JAVA=OFF -DCMAKE_INSTALL_PREFIX=${_zemu_jpeg_build}/unused-install
    RESULT_VARIABLE _rc OUTPUT_QUIET)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "configuring libjpeg-turbo failed")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${_zemu_jpeg_build} --target jpeg-static
                  RESULT_VARIABLE _rc OUTPUT_QUIET)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "building libjpeg-turbo failed")
  endif()
  file(MAKE_DIRECTORY ${_zemu_jpeg_stage}/include ${_zemu_jpeg_stage}/lib)
  file(COPY ${LIBJPEG_TURBO_SOURCE_DIR}/jpeglib.h ${LIBJPEG_TURBO_SOURCE_DIR}/jmorecfg.h
            ${LIBJPEG_TURBO_SOURCE_DIR}/jerror.h ${_zemu_jpeg_build}/jconfig.h
       DESTINATION ${_zemu_jpeg_stage}/include)
  file(COPY ${_zemu_jpeg_build}/libjpeg.a DESTINATION ${_zemu_jpeg_stage}/lib)
endif()
list(APPEND CMAKE_FIND_ROOT_PATH "${_zemu_jpeg_stage}")
find_package(JPEG REQUIRED)
