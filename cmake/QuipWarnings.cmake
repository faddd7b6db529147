# Warnings on, and errors, for our own targets only (not for Qt's or GoogleTest's headers).
function(quip_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                                 -Wnon-virtual-dtor -Werror)
    endif()
endfunction()
