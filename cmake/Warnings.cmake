# Warnings apply to the project's own targets; -Werror stays off so that a newer
# compiler's new warning does not break a user's build.
add_compile_options(-Wall -Wextra)
